#include "cli/OptionParser.h"

#include <algorithm>
#include <utility>

namespace kestrow::cli {

void OptionParser::AddValue(std::string name, std::string& target) {
    options_.push_back({std::move(name), &target, nullptr, true});
}

void OptionParser::AddFlag(std::string name, bool& target, bool valueWhenGiven) {
    options_.push_back({std::move(name), nullptr, &target, valueWhenGiven});
}

void OptionParser::AddOptionalValue(std::string name, std::string& target,
                                    std::string valueWhenBare) {
    options_.push_back({std::move(name), &target, nullptr, true, std::move(valueWhenBare)});
}

void OptionParser::AddPositionals(std::vector<std::string>& target, Positionals rule) {
    positionals_ = &target;
    rule_ = rule;
}

OptionParser::Option* OptionParser::Find(std::string_view name) {
    const auto found = std::find_if(options_.begin(), options_.end(),
                                    [&](const Option& option) { return option.name == name; });
    return found == options_.end() ? nullptr : &*found;
}

bool OptionParser::Given(std::string_view name) const {
    return std::any_of(options_.begin(), options_.end(),
                       [&](const Option& option) { return option.name == name && option.given; });
}

OptionParser::Outcome OptionParser::Parse(Args args) {
    using Status = Outcome::Status;
    bool optionsOver = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (positionals_ != nullptr && !optionsOver && arg == "--") {
            optionsOver = true;
            continue;
        }
        if (optionsOver) {
            positionals_->push_back(args[i]);
            continue;
        }
        if (arg == "--help" || arg == "-h")
            return {Status::HelpRequested, {}};
        const size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        Option* option = arg.starts_with("--") ? Find(name) : nullptr;
        const bool dashed = arg.starts_with("-") && arg != "-";
        if (option == nullptr && positionals_ != nullptr &&
            (rule_ == Positionals::Anywhere || !dashed)) {
            positionals_->push_back(args[i]);
            optionsOver = rule_ == Positionals::OptionsFirst;
            continue;
        }
        if (!arg.starts_with(positionals_ != nullptr ? "-" : "--"))
            return {Status::UsageError, "unexpected argument '" + args[i] + "'"};
        if (option == nullptr)
            return {Status::UsageError, "unknown option '" + std::string(name) + "'"};
        option->given = true;
        if (option->flag != nullptr) {
            if (equals != std::string_view::npos)
                return {Status::UsageError, "option '" + option->name + "' takes no value"};
            *option->flag = option->valueWhenGiven;
        } else if (equals != std::string_view::npos) {
            *option->value = std::string(arg.substr(equals + 1));
        } else if (option->valueWhenBare) {
            *option->value = *option->valueWhenBare;
        } else if (i + 1 < args.size()) {
            *option->value = args[++i];
        } else {
            return {Status::UsageError, "option '" + option->name + "' needs a value"};
        }
    }
    return {Status::Parsed, {}};
}

std::optional<int> ExitBeforeRunning(const OptionParser::Outcome& outcome, std::string_view usage,
                                     TextWriter& out, TextWriter& err) {
    using Status = OptionParser::Outcome::Status;
    if (outcome.status == Status::Parsed)
        return std::nullopt;
    if (outcome.status == Status::HelpRequested) {
        out << usage;
        return kExitOk;
    }
    return ReportUsageError(outcome.error, usage, err);
}

int ReportUsageError(std::string_view error, std::string_view usage, TextWriter& err) {
    err << "kestrow-cli: " << error << "\n\n" << usage;
    return kExitUsage;
}

std::optional<char> ParseAxis(std::string_view text) {
    if (text == "U" || text == "u")
        return 'U';
    if (text == "V" || text == "v")
        return 'V';
    return std::nullopt;
}

} // namespace kestrow::cli
