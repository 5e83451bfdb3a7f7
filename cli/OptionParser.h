#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Subcommands.h"

namespace kestrow::cli {

// Long options of one subcommand: "--name VALUE", "--name=VALUE" and flags
// "--name". A value is taken verbatim, even when it begins with '-', since
// expressions may. A later option overrides an earlier one.
class OptionParser {
public:
    void AddValue(std::string name, std::string& target);
    void AddFlag(std::string name, bool& target, bool valueWhenGiven);
    // "--name" alone sets `valueWhenBare`; only "--name=VALUE" gives another value.
    void AddOptionalValue(std::string name, std::string& target, std::string valueWhenBare);

    // Which arguments that are no option a subcommand takes, into `target`; "--"
    // ends the options either way.
    enum class Positionals {
        OptionsFirst, // the first ends the options: send's commands may look like them
        Anywhere,     // any argument that is no known option: an expression may begin with '-'
    };
    void AddPositionals(std::vector<std::string>& target, Positionals rule);

    struct Outcome {
        enum class Status { Parsed, HelpRequested, UsageError } status;
        std::string error; // for UsageError
    };
    Outcome Parse(Args args);
    // Whether the last Parse met the option.
    bool Given(std::string_view name) const;

private:
    struct Option {
        std::string name;
        std::string* value = nullptr; // a value option
        bool* flag = nullptr;         // a flag
        bool valueWhenGiven = true;
        // Set for a value option that may stand alone.
        std::optional<std::string> valueWhenBare = std::nullopt;
        bool given = false;
    };
    Option* Find(std::string_view name);

    std::vector<Option> options_;
    std::vector<std::string>* positionals_ = nullptr;
    Positionals rule_ = Positionals::OptionsFirst;
};

// Ends the subcommand early when the arguments asked for help (usage on `out`,
// exit 0) or were wrong (the error and usage on `err`, exit 2).
std::optional<int> ExitBeforeRunning(const OptionParser::Outcome& outcome, std::string_view usage,
                                     TextWriter& out, TextWriter& err);

// Prints the error and the usage on `err`; returns the usage exit status.
int ReportUsageError(std::string_view error, std::string_view usage, TextWriter& err);

// The axis option's value, "U" or "V" in either case, as 'U' or 'V'.
std::optional<char> ParseAxis(std::string_view text);

} // namespace kestrow::cli
