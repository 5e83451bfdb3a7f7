#include "cli/PageRun.h"

#include <algorithm>

#include "app/EditorDelivery.h"
#include "cli/JsonWriter.h"
#include "ui/NumberText.h"

namespace kestrow::cli {
namespace {

const Value& ResultOf(const RunReport& row, const std::string& name) {
    static const Value kNone;
    for (const NamedValue& result : row.results) {
        if (result.name == name)
            return result.value;
    }
    return kNone;
}

// The count, then the given results, each column right-aligned and two blanks
// from the next.
void PrintCandidateTable(std::ostream& out, const std::vector<RunReport>& rows,
                         const std::vector<PageRun::Column>& columns) {
    std::vector<std::vector<std::string>> lines(1, {"Textures"});
    for (const PageRun::Column& column : columns)
        lines.front().push_back(column.heading);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::vector<std::string>& line = lines.emplace_back(1, std::to_string(i + 1));
        for (const PageRun::Column& column : columns)
            line.push_back(ResultText(ResultOf(rows[i], column.result)));
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

void PageRun::AddOptions(OptionParser& parser) {
    AddJsonOption(parser);
    parser.AddFlag("--apply", applyFlag_, true);
}

void PageRun::AddJsonOption(OptionParser& parser) {
    parser.AddFlag("--json", json_, true);
}

std::optional<int> PageRun::Prepare(const std::string& commandName) {
    return PrepareToApply(applyFlag_ ? std::optional(commandName) : std::nullopt);
}

std::optional<int> PageRun::PrepareToApply(std::optional<std::string> commandName) {
    applyName_ = std::move(commandName);
    if (!applyName_)
        return std::nullopt;
    desktop_ = session_.desktop;
    if (desktop_ == nullptr)
        return ReportNoEditorAccess(session_.err);
    return std::nullopt;
}

int PageRun::Finish(RunReport& report, bool accepted) {
    int status = accepted ? kExitOk : kExitRejected;
    if (accepted && desktop_ != nullptr) {
        for (EditorCommand& command : report.commands)
            command.delivered = false;
        const auto applied =
            std::find_if(report.commands.begin(), report.commands.end(),
                         [this](const EditorCommand& c) { return c.name == *applyName_; });
        const DeliveryResult result = DeliverAndWait(*desktop_, applied->text);
        applied->delivered = result == DeliveryResult::Delivered;
        if (result == DeliveryResult::NoEditor)
            status = kExitNoEditor;
        else if (result != DeliveryResult::Delivered)
            status = kExitRejected;
        if (result != DeliveryResult::Delivered)
            report.messages.push_back(DeliveryFailureMessage(result));
    }
    WriteRunOutput(session_, json_, report);
    return status;
}

int PageRun::Candidates(const RunReport& checked, bool accepted, int count,
                        const std::vector<std::string>& countInputs, const Compute& compute,
                        const std::vector<Column>& columns) {
    std::vector<RunReport> rows;
    for (int textures = 1; accepted && textures <= count; ++textures) {
        RunReport& row = rows.emplace_back(checked);
        for (const std::string& input : countInputs)
            row.SetInput(input, static_cast<double>(textures));
        compute(row, textures);
    }
    if (!json_) {
        if (accepted)
            PrintCandidateTable(session_.out, rows, columns);
        WriteRunOutput(session_, false, checked);
    } else {
        JsonWriter json;
        json.BeginArray();
        for (const RunReport& row : accepted ? rows : std::vector<RunReport>{checked})
            WriteReport(json, row);
        json.EndArray();
        session_.out << json.Text() << '\n';
    }
    return accepted ? kExitOk : kExitRejected;
}

void WriteRunOutput(const CliSession& session, bool json, const RunReport& report) {
    if (json) {
        JsonWriter writer;
        WriteReport(writer, report);
        session.out << writer.Text() << '\n';
        return;
    }
    for (const std::string& message : report.messages)
        session.err << message << '\n';
}

std::string ResultText(const Value& value) {
    // As the page's result fields show a number.
    constexpr int kResultDigits = 15;
    if (const auto* number = std::get_if<double>(&value))
        return FormatGeneral(*number, kResultDigits);
    if (const auto* integer = std::get_if<int>(&value))
        return std::to_string(*integer);
    return {};
}

int ReportNoEditorAccess(std::ostream& err) {
    err << "kestrow-cli: sending commands to the editor needs the Windows build of kestrow-cli "
           "(kestrow-cli.exe; on Linux run it under Wine, in the editor's prefix)\n";
    return kExitUsage;
}

std::optional<int> ParseCandidateCount(std::string_view text) {
    const std::optional<int> count = ParseIntText(text);
    if (!count || *count < 1)
        return std::nullopt;
    return count;
}

} // namespace kestrow::cli
