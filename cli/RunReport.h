#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/Subcommands.h"
#include "eval/MessageSink.h"

namespace kestrow::cli {

// An input or a result; std::monostate stands for one that was not read or not
// computed, written as null. An expression field's value is a 32-bit float.
using Value = std::variant<std::monostate, bool, int, double, float, std::string>;

struct NamedValue {
    std::string name;
    Value value;
};

// An editor command the run produced, under the name the window gives it. Whether
// it was delivered is known only when the run delivers commands.
struct EditorCommand {
    std::string name;
    std::string text;
    std::optional<bool> delivered = std::nullopt;
};

// Everything one run of a command found, in the order found; --json writes it.
struct RunReport {
    std::vector<NamedValue> inputs;
    // The fields whose text was read only in part: the run fails.
    std::vector<std::string> partlyRead;
    std::vector<NamedValue> results;
    std::vector<EditorCommand> commands;
    std::vector<std::string> messages;
    // The results the page's window shows, under its captions: the plain output.
    std::vector<NamedValue> shown;
};

// {"inputs": {...}[, "partly-read": [...]], "results": {...},
//  "commands": [{"name", "text"[, "delivered"]}], "messages": [...]}, on one line.
std::string ReportJson(const RunReport& report);
// The length of the well-formed UTF-8 sequence at the start of `text`, or 0:
// no overlong forms, no surrogates, nothing beyond U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text);
// A JSON string; text that is not valid UTF-8 has each stray byte replaced by
// U+FFFD.
std::string JsonString(std::string_view text);
// Numbers with the fewest digits that read back as the same double, or as the
// same 32-bit float; null for an infinity or NaN, which JSON cannot hold.
std::string JsonValue(const Value& value);

// The end of every run: with --json the report on stdout, else its messages on
// stderr, one a line.
void WriteRunOutput(const CliSession& session, bool json, const RunReport& report);

// Says that sending needs the Windows build; returns the usage status.
int ReportNoEditorAccess(TextWriter& err);

// The messages a run shows, kept in its report.
class ReportMessages final : public MessageSink {
public:
    explicit ReportMessages(RunReport& report) : report_(report) {}
    void ShowMessage(const std::string& text) override { report_.messages.push_back(text); }

private:
    RunReport& report_;
};

} // namespace kestrow::cli
