#include <algorithm>
#include <cctype>

#include "cli/PageCommand.h"
#include "link/EditorLink.h"
#include "text/NumberText.h"

namespace kestrow::cli {
namespace {

template <class... Visitors> struct Overloaded : Visitors... { using Visitors::operator()...; };

// The usage's columns: the options, and the switches' wider one.
constexpr std::size_t kOptionColumn = 23;
constexpr std::size_t kSwitchColumn = 34;

std::string Number(double value) {
    return FormatGeneral(value, kFieldDigits);
}

std::string Option(const std::string& name) {
    return "--" + name;
}

std::string OptionLine(std::string_view option, std::string_view what,
                       std::size_t column = kOptionColumn) {
    constexpr std::size_t kIndent = 2;
    constexpr std::size_t kLeastGap = 2;
    std::string line(kIndent, ' ');
    line += option;
    line.append(line.size() + kLeastGap > column ? kLeastGap : column - line.size(), ' ');
    line += what;
    line += '\n';
    return line;
}

// "A", "A and B", "A, B and C"; `last` joins the last two.
std::string JoinedList(const std::vector<std::string>& items, std::string_view last = "and") {
    std::string joined;
    for (std::size_t i = 0; i < items.size(); ++i)
        joined += (i == 0                 ? ""
                   : i + 1 < items.size() ? ", "
                                          : " " + std::string(last) + " ") +
                  items[i];
    return joined;
}

// --apply's name for a command: its name in lower case, a hyphen for each blank.
std::string ApplyName(const std::string& command) {
    std::string name;
    for (char c : command)
        name += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

// The flag that clears a check box.
std::string OffOption(const CheckOption& o) {
    return o.off != nullptr ? Option(o.off) : "--no-" + std::string(o.field->name);
}

// A field's name, value placeholder, range and default as the usage shows them.
struct FieldText {
    const char* name;
    const char* placeholder;
    std::string min;
    std::string max;
    std::string initial;
};
FieldText TextOf(const IntField* f) {
    return {f->name, "N", std::to_string(f->min), std::to_string(f->max),
            std::to_string(f->initial)};
}
FieldText TextOf(const NumberField* f) {
    return {f->name, "X", Number(f->min), Number(f->max), Number(f->initial)};
}
FieldText TextOf(const ExpressionField* f) {
    return {f->name, "EXPR", Number(f->lowerBound), Number(kExpressionUpperBound), f->initial};
}
FieldText TextOf(const FieldOption& option) {
    return std::visit([](auto field) { return TextOf(field); }, option.field);
}

std::string OptionLines(const PageOption& option) {
    const auto defaultMark = [](bool isDefault) { return isDefault ? " (default)" : ""; };
    return std::visit(
        Overloaded{
            [](const FieldOption& o) {
                FieldText t = TextOf(o);
                if (std::holds_alternative<const ExpressionField*>(o.field)) {
                    t.initial.insert(0, 1, '"');
                    t.initial += '"';
                }
                return OptionLine(Option(t.name) + " " + t.placeholder, std::string(o.what) + ", " +
                                                                            t.min + " to " + t.max +
                                                                            " (" + t.initial + ")");
            },
            [&](const CheckOption& o) {
                const bool on = o.field->initial != 0;
                if (o.offWhat == nullptr)
                    return OptionLine(Option(o.field->name) + ", " + OffOption(o),
                                      std::string(o.what) + " (" + o.words[on ? 0 : 1] + ")",
                                      kSwitchColumn);
                return OptionLine(Option(o.field->name), o.what + std::string(defaultMark(on))) +
                       OptionLine(OffOption(o), o.offWhat + std::string(defaultMark(!on)));
            },
            [](const AxisOption& o) {
                return OptionLine(Option(o.field->name) + " U|V",
                                  std::string(o.what) + " (" + AxisOf(o.field->initial) + ")");
            },
        },
        option);
}

// The count, then the given results, each column right-aligned and two blanks
// from the next.
void PrintCandidateTable(TextWriter& out, const std::vector<RunReport>& rows,
                         const std::vector<const ResultField*>& columns) {
    std::vector<std::vector<std::string>> lines(1, {"Textures"});
    for (const ResultField* column : columns)
        lines.front().push_back(column->caption);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::vector<std::string>& line = lines.emplace_back(1, std::to_string(i + 1));
        for (const ResultField* column : columns) {
            const auto& results = rows[i].results;
            const auto found = std::find_if(results.begin(), results.end(),
                                            [&](const auto& r) { return r.name == column->name; });
            line.push_back(found == results.end() ? "" : ResultText(found->value));
        }
    }
    std::vector<std::size_t> widths(lines.front().size());
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i] = std::max(widths[i], line[i].size());
    }
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i)
            out << std::string(i == 0 ? 0 : 2, ' ') << std::string(widths[i] - line[i].size(), ' ')
                << line[i];
        out << '\n';
    }
}

} // namespace

PageRun::PageRun(const PageCommandSpec& spec, std::vector<std::string> commands,
                 const CliSession& session)
    : spec_(spec), commands_(std::move(commands)), session_(session), usage_(Usage()) {}

std::string PageRun::Usage() const {
    std::string usage =
        std::string("usage: kestrow-cli ") + spec_.name + " [OPTIONS]\n\n" + spec_.summary + "\n";
    for (const PageOption& option : spec_.options)
        usage += OptionLines(option);
    if (!spec_.countFields.empty())
        usage += OptionLine("--candidates N", spec_.candidatesWhat);
    if (commands_.size() == 1) {
        usage += OptionLine("--apply", "then send the command to the editor");
    } else {
        std::vector<std::string> names;
        for (const std::string& command : commands_)
            names.push_back(ApplyName(command) +
                            (command == spec_.applyDefault ? " (default)" : ""));
        usage += OptionLine("--apply[=WHICH]", "then send " + JoinedList(names, "or"));
    }
    return usage + OptionLine("--json", "print one JSON object instead") + spec_.note + "Prints " +
           spec_.prints + "the " + JoinedList(commands_) +
           (commands_.size() == 1 ? " command.\n" : " commands.\n");
}

void PageRun::AddOptions(OptionParser& parser) {
    for (const PageOption& option : spec_.options) {
        std::visit(Overloaded{
                       [&](const FieldOption& o) {
                           const FieldText t = TextOf(o);
                           parser.AddValue(Option(t.name), values_.texts[t.name] = t.initial);
                       },
                       [&](const CheckOption& o) {
                           bool& state = values_.checks[o.field->name] = o.field->initial != 0;
                           parser.AddFlag(Option(o.field->name), state, true);
                           parser.AddFlag(OffOption(o), state, false);
                       },
                       [&](const AxisOption& o) {
                           const std::string axis(1, AxisOf(o.field->initial));
                           parser.AddValue(Option(o.field->name),
                                           values_.texts[o.field->name] = axis);
                       },
                   },
                   option);
    }
}

std::optional<int> PageRun::Start(Args args) {
    OptionParser parser;
    parser.AddFlag("--json", json_, true);
    std::string apply;
    if (commands_.size() == 1)
        parser.AddFlag("--apply", applyFlag_, true);
    else
        parser.AddOptionalValue("--apply", apply, ApplyName(spec_.applyDefault));
    std::string candidates;
    if (!spec_.countFields.empty())
        parser.AddValue("--candidates", candidates);
    AddOptions(parser);
    if (auto status = ExitBeforeRunning(parser.Parse(args), usage_, session_.out, session_.err))
        return status;
    for (const PageOption& option : spec_.options) {
        const auto* axis = std::get_if<AxisOption>(&option);
        if (axis != nullptr && !ParseAxis(values_.texts.at(axis->field->name)))
            return UsageError(Option(axis->field->name) + " takes U or V");
    }
    if (applyFlag_)
        applied_ = commands_.front();
    if (commands_.size() > 1 && parser.Given("--apply")) {
        std::vector<std::string> names;
        for (const std::string& command : commands_) {
            names.push_back(ApplyName(command));
            if (names.back() == apply)
                applied_ = command;
        }
        if (!applied_)
            return UsageError("--apply takes " + JoinedList(names, "or"));
    }
    if (parser.Given("--candidates")) {
        if (auto status = CheckCandidates(parser, candidates))
            return status;
    }
    if (applied_ && session_.desktop == nullptr)
        return ReportNoEditorAccess(session_.err);
    return std::nullopt;
}

int PageRun::UsageError(const std::string& error) const {
    return ReportUsageError(error, usage_, session_.err);
}

std::optional<int> PageRun::CheckCandidates(const OptionParser& parser,
                                            const std::string& candidates) {
    // The count's range is the count fields': they check it as they check a count.
    count_ = ParseIntText(candidates);
    if (!count_ || *count_ < 1)
        return UsageError("--candidates takes a whole number from 1");
    std::vector<std::string> excluded;
    bool conflict = parser.Given("--apply");
    for (const NumberField* field : spec_.countFields) {
        excluded.push_back(Option(field->name));
        conflict = conflict || parser.Given(excluded.back());
        values_.texts[field->name] = std::to_string(*count_);
    }
    excluded.push_back("--apply");
    if (conflict)
        return UsageError("--candidates goes without " + JoinedList(excluded));
    return std::nullopt;
}

void PageRun::ReportSwitches(RunReport& report) const {
    for (const PageOption& option : spec_.options) {
        if (const auto* axis = std::get_if<AxisOption>(&option)) {
            const char* name = axis->field->name;
            report.inputs.push_back({name, std::string(1, *ParseAxis(values_.texts.at(name)))});
        } else if (const auto* check = std::get_if<CheckOption>(&option)) {
            report.inputs.push_back({check->field->name, values_.checks.at(check->field->name)});
        }
    }
}

int PageRun::Candidates(const RunReport& checked, bool accepted, const Run& run) {
    std::vector<RunReport> rows;
    for (int count = 1; accepted && count <= *count_; ++count) {
        for (const NumberField* field : spec_.countFields)
            values_.texts[field->name] = std::to_string(count);
        run(rows.emplace_back());
    }
    if (!json_) {
        if (accepted)
            PrintCandidateTable(session_.out, rows, spec_.countColumns);
        WriteRunOutput(session_, false, checked);
    } else {
        std::string json;
        for (const RunReport& row : accepted ? rows : std::vector<RunReport>{checked})
            json += (json.empty() ? "[" : ",") + ReportJson(row);
        session_.out << json << "]\n";
    }
    return accepted && checked.partlyRead.empty() ? kExitOk : kExitRejected;
}

int PageRun::Finish(RunReport& report, bool accepted) {
    if (accepted && !json_) {
        for (const NamedValue& result : report.shown)
            session_.out << result.name << ": " << ResultText(result.value) << '\n';
        for (const EditorCommand& command : report.commands)
            session_.out << command.text << '\n';
    }
    int status = accepted && report.partlyRead.empty() ? kExitOk : kExitRejected;
    if (accepted && applied_) {
        for (EditorCommand& command : report.commands)
            command.delivered = false;
    }
    if (status == kExitOk && applied_) {
        const auto applied =
            std::find_if(report.commands.begin(), report.commands.end(),
                         [this](const EditorCommand& c) { return c.name == *applied_; });
        const DeliveryResult result = DeliverAndWait(*session_.desktop, applied->text);
        applied->delivered = result == DeliveryResult::Delivered;
        if (result != DeliveryResult::Delivered) {
            status = result == DeliveryResult::NoEditor ? kExitNoEditor : kExitRejected;
            report.messages.push_back(DeliveryFailureMessage(result));
        }
    }
    WriteRunOutput(session_, json_, report);
    return status;
}

std::string ResultText(const Value& value) {
    if (const auto* number = std::get_if<double>(&value))
        return Number(*number);
    if (const auto* integer = std::get_if<int>(&value))
        return std::to_string(*integer);
    return {};
}

} // namespace kestrow::cli
