#include "cli/Subcommands.h"

#ifdef _WIN32
#include "link/Win32Desktop.h"
#endif

#include <cstdio>
#include <string>
#include <vector>

#ifdef __MINGW32__
// Expressions such as 2*3 reach the tool as typed, never expanded as file patterns.
extern "C" {
int _dowildcard = 0;
}
#endif

namespace {

// C stdio rather than iostreams, whose locale machinery would be most of the
// program's size.
class FileOut final : public kestrow::cli::TextWriter {
public:
    explicit FileOut(std::FILE* file) : file_(file) {}
    void Write(std::string_view text) override { std::fwrite(text.data(), 1, text.size(), file_); }

private:
    std::FILE* file_;
};

class FileIn final : public kestrow::cli::TextReader {
public:
    explicit FileIn(std::FILE* file) : file_(file) {}
    std::string ReadAll() override {
        std::string text;
        char buffer[4096];
        while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, file_))
            text.append(buffer, read);
        return text;
    }

private:
    std::FILE* file_;
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef _WIN32
    kestrow::Win32Desktop desktop;
    kestrow::Desktop* const editorDesktop = &desktop;
#else
    // This build has no window system to find the editor in.
    kestrow::Desktop* const editorDesktop = nullptr;
#endif
    FileIn in(stdin);
    FileOut out(stdout);
    FileOut err(stderr);
    const kestrow::cli::CliSession session{in, out, err, editorDesktop};
    return kestrow::cli::RunCli(args, session);
}
