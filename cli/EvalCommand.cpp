#include <string_view>

#include "cli/FieldReader.h"
#include "cli/OptionParser.h"
#include "cli/Subcommands.h"
#include "eval/Evaluator.h"
#include "ui/NumberText.h"

namespace kestrow::cli {
namespace {

constexpr std::string_view kUsage = R"(usage: kestrow-cli eval [--] EXPR

Evaluates EXPR as an expression field does: numbers, ( ), + - * / %, prefix
- + and @ (square root); every value is a 32-bit float. Prints the value with
9 significant digits on stdout and every message the program would show on
stderr, one per line. Exit status 1 when a message was shown.
An EXPR that begins with '-' is taken as it is; only --help and -h are not.
)";

// 9 significant digits tell every 32-bit float apart.
constexpr int kFloatDigits = 9;

std::optional<std::string> ExpressionArgument(Args args) {
    if (args.size() == 2 && args[0] == "--") {
        return args[1];
    }
    if (args.size() == 1 && args[0] != "--") {
        return args[0];
    }
    return std::nullopt;
}

} // namespace

int RunEvalCommand(Args args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return kExitOk;
    }
    const std::optional<std::string> expression = ExpressionArgument(args);
    if (!expression) {
        return ReportUsageError("eval takes one expression", kUsage, err);
    }
    StreamMessageSink messages(err);
    float value = 0;
    EvalExpression(messages, *expression, value);
    out << FormatGeneral(value, kFloatDigits) << '\n';
    return messages.Count() == 0 ? kExitOk : kExitRejected;
}

} // namespace kestrow::cli
