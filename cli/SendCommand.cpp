#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/EditorDelivery.h"
#include "cli/OptionParser.h"
#include "cli/RunReport.h"
#include "cli/Subcommands.h"

namespace kestrow::cli {
namespace {

constexpr std::string_view kUsage = R"(usage: kestrow-cli send [--json] [--] COMMAND...
       kestrow-cli send [--json] -

Delivers each COMMAND in turn to the running editor as Apply does: the command
goes on the clipboard, replaces whatever is typed in the command line of the
editor's "Unreal Log Window", and Enter executes it. The editor takes each one
before the next is sent. With '-' the commands are read from standard input, one
a line. Blank commands are skipped.
Exit status: 0 every command delivered; 1 a delivery failed (stderr names the
line: the lines before it were delivered, none after it was sent); 2 a usage
error, or a build that cannot reach the editor; 3 no editor window was found
(nothing was sent).
Needs the Windows build, kestrow-cli.exe (on Linux under Wine, in the editor's
Wine prefix).
)";

struct SendOptions {
    bool json = false;
    bool fromInput = false;
    std::vector<std::string> commands;
};

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// Options come first; "--" ends them, and "-" alone reads standard input.
std::variant<SendOptions, std::string> ParseSendArgs(Args args, bool& help) {
    SendOptions options;
    std::size_t i = 0;
    for (; i < args.size() && args[i].starts_with("-") && args[i] != "-"; ++i) {
        if (args[i] == "--help" || args[i] == "-h") {
            help = true;
            return options;
        }
        if (args[i] == "--") {
            ++i;
            break;
        }
        if (args[i] != "--json")
            return "unknown option '" + args[i] + "'";
        options.json = true;
    }
    options.commands.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    if (options.commands.empty())
        return std::string("send takes the commands, or - to read them from standard input");
    if (options.commands.size() == 1 && options.commands.front() == "-") {
        options.commands.clear();
        options.fromInput = true;
    }
    for (const std::string& command : options.commands) {
        if (HasLineBreak(command))
            return std::string("a command holds a line break: give each as its own argument");
    }
    return options;
}

// One line of standard input, ended by LF, CR LF or CR alone.
bool ReadLine(std::istream& in, std::string& line) {
    line.clear();
    std::istream::int_type c = in.get();
    if (c == std::istream::traits_type::eof())
        return false;
    for (; c != std::istream::traits_type::eof(); c = in.get()) {
        if (c == '\n')
            break;
        if (c == '\r') {
            if (in.peek() == '\n')
                in.get();
            break;
        }
        line += static_cast<char>(c);
    }
    return true;
}

class Sender {
public:
    Sender(Desktop& desktop, RunReport& report) : desktop_(desktop), report_(report) {}

    // False once a delivery failed; the status and a message say how.
    bool Deliver(int line, const std::string& command) {
        report_.commands.push_back({"line " + std::to_string(line), command, false});
        const DeliveryResult result = DeliverAndWait(desktop_, command);
        if (result == DeliveryResult::Delivered) {
            report_.commands.back().delivered = true;
            ++delivered_;
            return true;
        }
        if (result == DeliveryResult::NoEditor && delivered_ == 0) {
            status_ = kExitNoEditor;
            report_.messages.push_back(DeliveryFailureMessage(result));
        } else {
            status_ = kExitRejected;
            report_.messages.push_back("Stopped at line " + std::to_string(line) + " (\"" +
                                       command + "\"), after " + std::to_string(delivered_) +
                                       " delivered: " + DeliveryFailureMessage(result));
        }
        return false;
    }

    int Delivered() const { return delivered_; }
    int Status() const { return status_; }

private:
    Desktop& desktop_;
    RunReport& report_;
    int delivered_ = 0;
    int status_ = kExitOk;
};

} // namespace

int RunSendCommand(Args args, const CliSession& session) {
    bool help = false;
    const auto parsed = ParseSendArgs(args, help);
    if (help) {
        session.out << kUsage;
        return kExitOk;
    }
    if (const auto* error = std::get_if<std::string>(&parsed))
        return ReportUsageError(*error, kUsage, session.err);
    const SendOptions& options = std::get<SendOptions>(parsed);

    if (session.desktop == nullptr)
        return ReportNoEditorAccess(session.err);

    RunReport report;
    report.inputs.push_back(
        {"source", std::string(options.fromInput ? "standard input" : "arguments")});
    Sender sender(*session.desktop, report);
    int line = 0;
    const auto deliver = [&](const std::string& command) {
        ++line;
        return IsBlank(command) || sender.Deliver(line, command);
    };
    if (options.fromInput) {
        for (std::string command; ReadLine(session.in, command) && deliver(command);) {
        }
    } else {
        for (const std::string& command : options.commands) {
            if (!deliver(command))
                break;
        }
    }
    report.results.push_back({"delivered", sender.Delivered()});

    WriteRunOutput(session, options.json, report);
    return sender.Status();
}

} // namespace kestrow::cli
