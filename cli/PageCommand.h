#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/OptionParser.h"
#include "cli/RunReport.h"
#include "cli/Subcommands.h"
#include "pages/PageForm.h"
#include "text/FieldMessages.h"

namespace kestrow::cli {

// The options of a page command, each standing for one field of the page and
// named after it; each kind is one way the usage presents its field.

// "--NAME N", "--NAME X" or "--NAME EXPR", with the field's range and default.
struct FieldOption {
    std::variant<const IntField*, const NumberField*, const ExpressionField*> field;
    const char* what;
};
// A check box as two flags: "--NAME" sets it, "--OFF" (or "--no-NAME") clears
// it. The usage gives each flag a line, the clearing one saying `offWhat`; or,
// with `words` (for set and clear), one line for both, with the default in words.
struct CheckOption {
    const CheckField* field;
    const char* what;
    const char* off = nullptr;
    const char* offWhat = nullptr;
    std::array<const char*, 2> words = {};
};
// "--NAME U|V".
struct AxisOption {
    const AxisField* field;
    const char* what;
};
using PageOption = std::variant<FieldOption, CheckOption, AxisOption>;

// A calculator page as a kestrow-cli command: its options and the texts of its
// usage. The order of the checks, the calculation, the results and the commands
// with their names come from the page's description.
struct PageCommandSpec {
    const char* name;
    const char* summary;
    std::vector<PageOption> options;
    // What the plain output shows before the commands, as the usage says it.
    const char* prints = "";
    // Said in the usage before what the command prints.
    const char* note = "";
    // --candidates N: the fields that take the count, the results it tables and
    // its usage; a page without count fields has no --candidates.
    std::vector<const NumberField*> countFields = {};
    std::vector<const ResultField*> countColumns = {};
    const char* candidatesWhat = "";
    // Of several commands, the one --apply sends when it names none.
    const char* applyDefault = nullptr;
    // What a run says when the page is not ready to read its fields.
    const char* notReady = "";
};

// The options' values by field name, each starting as the page's default: texts
// for the fields and the axis, states for the check boxes.
struct OptionValues {
    std::map<std::string, std::string> texts;
    std::map<std::string, bool> checks;
};

// What a page command does whatever its page: the options, --apply, --json,
// --candidates and the output.
class PageRun {
public:
    PageRun(const PageCommandSpec& spec, std::vector<std::string> commands,
            const CliSession& session);

    // Parses and checks the options and opens the editor for --apply; the exit
    // status when the run ends here.
    std::optional<int> Start(Args args);
    const OptionValues& Values() const { return values_; }

    // The check boxes as set and the axis as named, in the order of the options.
    void ReportSwitches(RunReport& report) const;

    // --candidates N: `run` once more for each count from 1 to N, the count fields
    // given it as their option, after `checked`, the run with the count at N.
    bool WantsCandidates() const { return count_.has_value(); }
    using Run = std::function<bool(RunReport&)>;
    int Candidates(const RunReport& checked, bool accepted, const Run& run);

    // Ends the run: the plain output, the command --apply names delivered, then
    // the JSON report or the messages on stderr. Returns the exit status.
    int Finish(RunReport& report, bool accepted);

private:
    std::string Usage() const;
    void AddOptions(OptionParser& parser);
    int UsageError(const std::string& error) const;
    std::optional<int> CheckCandidates(const OptionParser& parser, const std::string& candidates);

    const PageCommandSpec& spec_;
    const std::vector<std::string> commands_;
    const CliSession& session_;
    const std::string usage_;
    OptionValues values_;
    bool json_ = false;
    bool applyFlag_ = false;
    std::optional<int> count_;
    std::optional<std::string> applied_;
};

// A result as the page's result field shows it.
std::string ResultText(const Value& value);

// Reads the page from the options by its description: the number fields in its
// order of checks, then the expressions by the expression rule; the first
// rejected field ends the reading. The inputs go into the report in that order,
// null from the rejected one on. An expression the page accepts after its
// evaluator complained was read only in part: the report names it, and says so.
template <class Form> bool ReadFields(const PageRun& run, Form& form, RunReport& report) {
    ReportMessages messages(report);
    const char* rejected = nullptr;
    Exchange(
        [&](const auto& field, auto& value, auto&...) {
            using F = decltype(field);
            if constexpr (kIsA<IntField, F> || kIsA<NumberField, F>) {
                if (rejected != nullptr)
                    return;
                if (const auto message = ReadNumberField(run.Values().texts.at(field.name),
                                                         field.min, field.max, value)) {
                    messages.ShowMessage(*message);
                    rejected = field.name;
                }
            } else if constexpr (kIsA<ExpressionField, F>) {
                value = run.Values().texts.at(field.name);
            }
        },
        form);
    std::size_t heard = report.messages.size();
    if (rejected == nullptr)
        EvaluateExpressions(
            form, messages,
            [&](const ExpressionField& field) {
                messages.ShowMessage(kExpressionRangeMessage);
                rejected = field.name;
            },
            [&](const ExpressionField& field) {
                if (report.messages.size() > heard)
                    report.partlyRead.push_back(field.name);
                heard = report.messages.size();
            });
    for (std::size_t i = 0; rejected == nullptr && i < report.partlyRead.size(); ++i)
        messages.ShowMessage("--" + report.partlyRead[i] +
                             " was read only in part: the results are for the part read, and "
                             "nothing is sent.");
    bool reached = false;
    const auto add = [&](const char* name, auto value) {
        reached = reached || (rejected != nullptr && std::string(name) == rejected);
        report.inputs.push_back({name, {}});
        if (!reached)
            report.inputs.back().value = value;
    };
    Exchange(
        [&](const auto& field, auto& value, auto&... evaluated) {
            using F = decltype(field);
            if constexpr (kIsA<IntField, F> || kIsA<NumberField, F>)
                add(field.name, value);
            else if constexpr (kIsA<ExpressionField, F>)
                add(field.name, evaluated...);
        },
        form);
    return rejected == nullptr;
}

// The results and commands of the page as read, into `report`.
template <class Form> void Calculate(Form& form, RunReport& report) {
    ComputeResults(form);
    Results(
        [&](const ResultField& field, auto value, bool computed = true) {
            report.results.push_back({field.name, computed ? Value(value) : Value()});
            if (field.id != 0)
                report.shown.push_back({field.caption, report.results.back().value});
        },
        form);
    for (const PageCommand<Form>* command : Commands(form))
        report.commands.push_back({command->name, command->text(form)});
}

// A page command. A page that must have a switch on before it reads its fields
// gives `ready`, and then reports its switches first.
template <class Form>
int RunPageCommand(const PageCommandSpec& spec, Args args, const CliSession& session,
                   bool (*ready)(const Form&) = nullptr) {
    std::vector<std::string> commands;
    for (const PageCommand<Form>* command : Commands(Form{}))
        commands.push_back(command->name);
    PageRun run(spec, commands, session);
    if (auto status = run.Start(args))
        return *status;

    // One run of the page from the options as they stand; true when every field
    // was accepted.
    const auto read = [&](RunReport& report) {
        Form form;
        Exchange(
            [&](const auto& field, auto& value, auto&...) {
                using F = decltype(field);
                if constexpr (kIsA<CheckField, F>)
                    value = run.Values().checks.at(field.name) ? 1 : 0;
                else if constexpr (kIsA<AxisField, F>)
                    value = ParseAxis(run.Values().texts.at(field.name)) == 'U' ? 0 : 1;
            },
            form);
        if (ready != nullptr) {
            run.ReportSwitches(report);
            if (!ready(form)) {
                report.messages.push_back(spec.notReady);
                return false;
            }
        }
        const bool accepted = ReadFields(run, form, report);
        if (ready == nullptr)
            run.ReportSwitches(report);
        if (accepted)
            Calculate(form, report);
        return accepted;
    };
    RunReport report;
    const bool accepted = read(report);
    if (run.WantsCandidates())
        return run.Candidates(report, accepted, read);
    return run.Finish(report, accepted);
}

} // namespace kestrow::cli
