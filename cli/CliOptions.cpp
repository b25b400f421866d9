#include "cli/CliOptions.h"

#include <string_view>

namespace ratio {

namespace {

constexpr std::string_view keyCharacters = "0123456789.+-*/=CNX";

ParsedCliOptions failure(std::string message) {
    return {std::nullopt, std::move(message)};
}

// Options that take a value, and where the value goes.
std::optional<std::string>* valueSlot(CliOptions& options, std::string_view name) {
    if (name == "--from")
        return &options.from;
    if (name == "--to")
        return &options.to;
    if (name == "--language")
        return &options.language;
    if (name == "--locale")
        return &options.locale;
    if (name == "--rates")
        return &options.ratesFile;
    return nullptr;
}

bool setFlag(CliOptions& options, std::string_view name) {
    if (name == "--calculator")
        options.calculatorMode = true;
    else if (name == "--trace")
        options.trace = true;
    else if (name == "--batch")
        options.command = CliOptions::Command::Batch;
    else if (name == "--list")
        options.command = CliOptions::Command::List;
    else if (name == "--help" || name == "-h")
        options.command = CliOptions::Command::Help;
    else
        return false;
    return true;
}

// "--name" and "-h" are options; a lone "-" or "-5" is a key sequence.
bool looksLikeOption(const std::string& argument) {
    if (argument.size() < 2 || argument[0] != '-')
        return false;
    return argument[1] == '-' || keyCharacters.find(argument[1]) == std::string_view::npos;
}

std::optional<std::string> badKey(const std::string& keys) {
    for (char key : keys)
        if (keyCharacters.find(key) == std::string_view::npos)
            return "unknown key '" + std::string(1, key) + "'";
    return std::nullopt;
}

} // namespace

ParsedCliOptions parseCliOptions(const std::vector<std::string>& arguments) {
    CliOptions options;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || !looksLikeOption(argument)) {
            positional.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (auto* slot = valueSlot(options, argument)) {
            if (i + 1 == arguments.size())
                return failure("option " + argument + " needs a value");
            *slot = arguments[++i];
        } else if (!setFlag(options, argument)) {
            return failure("unknown option " + argument);
        }
    }
    if (options.command != CliOptions::Command::Keys)
        return positional.empty() ? ParsedCliOptions{options, {}}
                                  : failure("unexpected argument '" + positional.front() + "'");
    if (!positional.empty() && positional.front() == "convert") {
        if (positional.size() != 4)
            return failure("convert needs VALUE FROM TO");
        options.command = CliOptions::Command::Convert;
        options.convertArguments.assign(positional.begin() + 1, positional.end());
        return {options, {}};
    }
    for (const std::string& part : positional)
        for (char key : part)
            if (key != ' ')
                options.keys.push_back(key);
    if (auto error = badKey(options.keys))
        return failure(*error);
    return {options, {}};
}

const char* CliOptions::usage() {
    return R"(Usage: ratio-cli [OPTIONS] [KEYS]
       ratio-cli [OPTIONS] convert VALUE FROM TO
       ratio-cli [OPTIONS] --batch < lines of VALUE<TAB>FROM<TAB>TO
       ratio-cli [OPTIONS] --list

Presses KEYS on Ratio's calculator and converter and prints row 0 and row 1.

Keys (spaces are ignored):
  0-9  digits          .  decimal separator     + - * /  operators
  =    equals          C  clear                 N  sign change
  X    swap the two units

Options:
  --from UNIT      first unit (long name as listed, or a unique short name);
                   default: mile
  --to UNIT        second unit, of the same category; default: kilometre
  --language TAG   preferred language, e.g. de-DE, zh-Hant-TW, en-US
  --locale NAME    locale for separators, currency and date, e.g. de_DE
  --calculator     start in calculator mode (row 0 without its unit)
  --rates FILE     apply this reference-rate document before resolving units
  --trace          print the key and both rows after every key
  --list           print the catalogue: category, index, long name, short
                   name, in compact list (1/0), tab-separated
  --batch          convert VALUE<TAB>FROM<TAB>TO lines from standard input
  -h, --help       show this help

Exit status: 0 success, 1 a batch line failed, 2 usage error.
)";
}

} // namespace ratio
