#include <string_view>
#include <vector>

#include "cli/OptionParser.h"
#include "cli/RunReport.h"
#include "cli/Subcommands.h"
#include "eval/Evaluator.h"
#include "text/NumberText.h"

namespace kestrow::cli {
namespace {

constexpr std::string_view kUsage = R"(usage: kestrow-cli eval [--json] [--] EXPR

Evaluates EXPR as an expression field does: numbers, ( ), + - * / %, prefix
- + and @ (square root); every value is a 32-bit float. Prints the value with
9 significant digits on stdout and every message the program would show on
stderr, one per line. Exit status 1 when a message was shown.
An EXPR that begins with '-' is taken as it is; only --help, -h and --json are
not, and after -- not even those.
  --json     print one JSON object instead (see kestrow-cli --help)
)";

// 9 significant digits tell every 32-bit float apart.
constexpr int kFloatDigits = 9;

} // namespace

int RunEvalCommand(Args args, const CliSession& session) {
    bool json = false;
    std::vector<std::string> expressions;
    OptionParser parser;
    parser.AddFlag("--json", json, true);
    parser.AddPositionals(expressions, OptionParser::Positionals::Anywhere);
    if (const auto exit = ExitBeforeRunning(parser.Parse(args), kUsage, session.out, session.err))
        return *exit;
    if (expressions.size() != 1)
        return ReportUsageError("eval takes one expression", kUsage, session.err);
    const std::string& expression = expressions.front();
    RunReport report;
    report.inputs.push_back({"expression", expression});
    ReportMessages messages(report);
    const float value = EvalExpression(messages, expression);
    report.results.push_back({"value", value});
    if (!json)
        session.out << FormatGeneral(value, kFloatDigits) << '\n';
    WriteRunOutput(session, json, report);
    return report.messages.empty() ? kExitOk : kExitRejected;
}

} // namespace kestrow::cli
