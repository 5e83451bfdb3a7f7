#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/Desktop.h"
#include "cli/OptionParser.h"
#include "cli/RunReport.h"
#include "cli/Subcommands.h"

namespace kestrow::cli {

// What the page commands share besides their pages: --json, --apply, the end of
// a run and the table of candidate fits.
class PageRun {
public:
    explicit PageRun(const CliSession& session) : session_(session) {}

    // --json, and --apply as a flag that delivers the page's one command.
    void AddOptions(OptionParser& parser);
    // --json only; the page offers its own --apply.
    void AddJsonOption(OptionParser& parser);

    bool Json() const { return json_; }

    // Call once the options are parsed, with the name of the page's one command:
    // --apply delivers it. A build that cannot reach the editor says so then,
    // and the run ends with the usage status.
    std::optional<int> Prepare(const std::string& commandName);
    // As Prepare, for a page whose own option picks the command to deliver, if any.
    std::optional<int> PrepareToApply(std::optional<std::string> commandName);

    // Ends the run. Unless --json, the page has printed its output already. When
    // the fields were accepted and --apply was given, delivers the command; then
    // writes the JSON report, or the messages on stderr. Returns the exit status.
    int Finish(RunReport& report, bool accepted);

    // --candidates N: the page's run for each texture count from 1 to N, each a
    // copy of `checked` (the fields as read, with N as the count) with the count
    // inputs set and `compute` filling its results and commands. Printed as a
    // table of the given results, or with --json as an array of reports; a
    // rejected run has no rows, and with --json its report stands in the array alone.
    struct Column {
        std::string heading;
        std::string result;
    };
    using Compute = std::function<void(RunReport& row, double textures)>;
    int Candidates(const RunReport& checked, bool accepted, int count,
                   const std::vector<std::string>& countInputs, const Compute& compute,
                   const std::vector<Column>& columns);

private:
    const CliSession& session_;
    bool json_ = false;
    bool applyFlag_ = false;
    std::optional<std::string> applyName_;
    Desktop* desktop_ = nullptr;
};

// The end of every run: with --json the report on stdout, else its messages on
// stderr, one a line.
void WriteRunOutput(const CliSession& session, bool json, const RunReport& report);

// A result as the page's result field shows it.
std::string ResultText(const Value& value);

// Says that sending needs the Windows build; returns the usage status.
int ReportNoEditorAccess(std::ostream& err);

// The count of --candidates, a whole number from 1; its range is the count
// field's, checked as the field is.
std::optional<int> ParseCandidateCount(std::string_view text);
inline constexpr const char* kCandidatesCountError = "--candidates takes a whole number from 1";

} // namespace kestrow::cli
