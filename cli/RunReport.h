#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "eval/MessageSink.h"

namespace kestrow::cli {

class JsonWriter;

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
    std::vector<NamedValue> results;
    std::vector<EditorCommand> commands;
    std::vector<std::string> messages;

    void SetInput(const std::string& name, Value value);
};

// {"inputs": {...}, "results": {...}, "commands": [{"name", "text"[, "delivered"]}],
//  "messages": [...]}
void WriteReport(JsonWriter& json, const RunReport& report);

// The messages a run shows, kept in its report.
class ReportMessages final : public MessageSink {
public:
    explicit ReportMessages(RunReport& report) : report_(report) {}
    void ShowMessage(const std::string& text) override { report_.messages.push_back(text); }

private:
    RunReport& report_;
};

} // namespace kestrow::cli
