#include "cli/RunCli.h"

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
    const kestrow::cli::CliSession session{std::cin, std::cout, std::cerr,
                                           kestrow::cli::OpenDesktopEditor};
    return kestrow::RunCli(args, session);
}
