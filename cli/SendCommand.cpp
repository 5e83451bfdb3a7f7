#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/OptionParser.h"
#include "cli/RunReport.h"
#include "cli/Subcommands.h"
#include "link/EditorLink.h"

namespace kestrow::cli {
namespace {

constexpr std::string_view kUsage = R"(usage: kestrow-cli send [--json] [--] COMMAND...
       kestrow-cli send [--json] -

Delivers each COMMAND in turn to the running editor as Apply does: the command
goes on the clipboard, whatever is typed in the editor's command line is
cleared, the command is pasted there, and Enter executes it. Reaches the
1998-2001 editors, UT 469 in any language and Unreal 227: the log window of
class "UnrealEdUnrealWLog", else the one titled "Unreal Log Window". The editor
takes each command before the next is sent; a busy one is waited for up to 60
seconds. With '-' the commands are read from standard input, one a line. Blank
commands are skipped. A command may hold at most 254 characters, printable
ASCII only (32 to 126). Every command is checked before the first is sent: one
that holds any other character (a tab, a control or non-ASCII character) is a
usage error, and one longer than the command line takes is refused; either way
nothing is sent.
With --json, "commands" lists every command, each with whether it was
delivered.
Exit status: 0 the editor took every command; 1 a command was too long, with or
without an editor (nothing was sent), or a delivery failed (stderr names the
line: the lines before it were delivered, none after it was sent); 2 a usage
error, or a build that cannot reach the editor; 3 no editor window was found
(nothing was sent).
Needs the Windows build, kestrow-cli.exe (on Linux under Wine, in the editor's
own Wine prefix).
)";

bool HasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// The lines of the input, each ended by LF, CR LF or CR alone.
std::vector<std::string> SplitLines(std::string_view input) {
    std::vector<std::string> lines;
    while (!input.empty()) {
        const std::size_t end = input.find_first_of("\r\n");
        lines.emplace_back(input.substr(0, end));
        if (end == std::string_view::npos)
            break;
        input.remove_prefix(end + (input.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    return lines;
}

std::string Hex(unsigned char byte) {
    const char digits[] = {"0123456789ABCDEF"[byte >> 4], "0123456789ABCDEF"[byte & 0xF], '\0'};
    return std::string("0x") + digits;
}

// A control character by its ASCII name, text beyond ASCII by its character
// where it is UTF-8, else by its byte.
std::string CharacterName(std::string_view text) {
    constexpr const char* kNames[] = {"NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL",
                                      "BS",  "TAB", "LF",  "VT",  "FF",  "CR",  "SO",  "SI",
                                      "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB",
                                      "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS",  "US"};
    const auto first = static_cast<unsigned char>(text.front());
    if (first < 0x20 || first == 0x7F)
        return std::string("the control character ") + (first == 0x7F ? "DEL" : kNames[first]) +
               " (" + Hex(first) + ")";
    const std::size_t length = Utf8SequenceLength(text);
    if (length == 0)
        return "the byte " + Hex(first);
    char32_t code = first & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = code << 6 | (static_cast<unsigned char>(text[i]) & 0x3F);
    char number[16];
    std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(code));
    std::string bytes;
    for (std::size_t i = 0; i < length; ++i)
        bytes += (i == 0 ? "" : " ") + Hex(static_cast<unsigned char>(text[i]));
    return "the character " + std::string(number) + " (" + bytes + ")";
}

// The editor's command line would end the command at such a character (and
// NUL already ends the clipboard's text): the usage error that names it.
std::optional<std::string> UnprintableError(std::size_t line, std::string_view command) {
    const std::size_t at = FindUnprintable(command);
    if (at == std::string_view::npos)
        return std::nullopt;
    // Every character before it is ASCII, so its byte is its column.
    return "line " + std::to_string(line) + ", column " + std::to_string(at + 1) + " holds " +
           CharacterName(command.substr(at)) +
           ": a command may hold printable ASCII characters only (32 to 126)";
}

// Sends the commands in turn, each taken by the editor before the next goes,
// once every one is found to fit the command line: first the most any editor
// takes, then, once found, this editor's. The report lists them all, delivered or
// not. Blank commands are never sent, and with nothing else the editor is not
// asked. Returns the exit status.
int SendAll(Desktop& desktop, const std::vector<std::string>& commands, RunReport& report) {
    int delivered = 0;
    const auto stop = [&](DeliveryResult result, std::string message) {
        report.results.push_back({"delivered", delivered});
        report.messages.push_back(std::move(message));
        return result == DeliveryResult::NoEditor && delivered == 0 ? kExitNoEditor : kExitRejected;
    };
    const auto tooLong = [&](std::size_t longest) -> std::optional<std::string> {
        for (std::size_t i = 0; i < commands.size(); ++i) {
            if (!IsBlank(commands[i]) && commands[i].size() > longest)
                return "Line " + std::to_string(i + 1) + " is " +
                       std::to_string(commands[i].size()) + " characters long, longer than the " +
                       std::to_string(longest) +
                       " the editor's command line takes, so nothing was sent.";
        }
        return std::nullopt;
    };
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (!IsBlank(commands[i]))
            report.commands.push_back({"line " + std::to_string(i + 1), commands[i], false});
    }
    if (!report.commands.empty()) {
        if (const auto message = tooLong(kCommandLineCapacity))
            return stop(DeliveryResult::TooLong, *message);
        CommandLine commandLine;
        const DeliveryResult opened = OpenCommandLine(desktop, kEditorPatience, commandLine);
        if (opened != DeliveryResult::Delivered)
            return stop(opened, DeliveryFailureMessage(opened));
        if (const auto message = tooLong(LongestCommand(commandLine)))
            return stop(DeliveryResult::TooLong, *message);
    }
    for (EditorCommand& command : report.commands) {
        const DeliveryResult result = DeliverAndWait(desktop, command.text);
        if (result != DeliveryResult::Delivered) {
            const std::string why = DeliveryFailureMessage(result);
            return stop(result, result == DeliveryResult::NoEditor && delivered == 0
                                    ? why
                                    : "Stopped at " + command.name + " (\"" + command.text +
                                          "\"), after " + std::to_string(delivered) +
                                          " delivered: " + why);
        }
        command.delivered = true;
        ++delivered;
    }
    report.results.push_back({"delivered", delivered});
    return kExitOk;
}

} // namespace

int RunSendCommand(Args args, const CliSession& session) {
    bool json = false;
    std::vector<std::string> given;
    OptionParser parser;
    parser.AddFlag("--json", json, true);
    parser.AddPositionals(given, OptionParser::Positionals::OptionsFirst);
    if (const auto exit = ExitBeforeRunning(parser.Parse(args), kUsage, session.out, session.err))
        return *exit;
    const auto usageError = [&](const std::string& error) {
        return ReportUsageError(error, kUsage, session.err);
    };
    if (given.empty())
        return usageError("send takes the commands, or - to read them from standard input");
    if (std::any_of(given.begin(), given.end(), HasLineBreak))
        return usageError("a command holds a line break: give each as its own argument");
    if (session.desktop == nullptr)
        return ReportNoEditorAccess(session.err);

    // Everything is read and checked before anything is sent; "-" alone reads
    // standard input.
    const bool fromInput = given.size() == 1 && given.front() == "-";
    const std::vector<std::string> commands = fromInput ? SplitLines(session.in.ReadAll()) : given;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        if (const auto error =
                IsBlank(commands[i]) ? std::nullopt : UnprintableError(i + 1, commands[i]))
            return usageError(*error);
    }

    RunReport report;
    report.inputs.push_back({"source", std::string(fromInput ? "standard input" : "arguments")});
    const int status = SendAll(*session.desktop, commands, report);
    WriteRunOutput(session, json, report);
    return status;
}

} // namespace kestrow::cli
