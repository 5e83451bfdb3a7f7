#include "cli/Subcommands.h"

#ifdef _WIN32
#include "link/Win32Desktop.h"
#endif

#include <iostream>
#include <string>
#include <vector>

#ifdef __MINGW32__
// Expressions such as 2*3 reach the tool as typed, never expanded as file patterns.
extern "C" {
int _dowildcard = 0;
}
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef _WIN32
    kestrow::Win32Desktop desktop;
    kestrow::Desktop* const editorDesktop = &desktop;
#else
    // This build has no window system to find the editor in.
    kestrow::Desktop* const editorDesktop = nullptr;
#endif
    const kestrow::cli::CliSession session{std::cin, std::cout, std::cerr, editorDesktop};
    return kestrow::cli::RunCli(args, session);
}
