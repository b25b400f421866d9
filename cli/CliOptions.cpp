#include "cli/CliOptions.h"

#include "engine/KeypadKey.h"

#include <string_view>

namespace ratio {

namespace {

// A key of the keypad as written in KEYS, "." being the separator key in every locale.
bool isKey(char key) {
    return keypadKey(std::string_view(&key, 1), ".").has_value();
}

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
    if (name == "--timeout")
        return &options.timeoutText;
    if (name == "--places")
        return &options.placesText;
    return nullptr;
}

bool setFlag(CliOptions& options, std::string_view name) {
    if (name == "--calculator")
        options.calculatorMode = true;
    else if (name == "--trace")
        options.trace = true;
    else if (name == "--record")
        options.record = true;
    else if (name == "--clear")
        options.clearHistory = true;
    else if (name == "--plain")
        options.format.plain = true;
    else if (name == "--exact")
        options.format.exact = true;
    else if (name == "--batch")
        options.command = CliOptions::Command::Batch;
    else if (name == "--list")
        options.command = CliOptions::Command::List;
    else if (name == "--help" || name == "-h")
        options.command = CliOptions::Command::Help;
    else if (name == "--version")
        options.command = CliOptions::Command::Version;
    else
        return false;
    return true;
}

// "--name" and "-h" are options; a lone "-" or "-5" is a key sequence.
bool looksLikeOption(const std::string& argument) {
    if (argument.size() < 2 || argument[0] != '-')
        return false;
    return argument[1] == '-' || !isKey(argument[1]);
}

std::optional<std::string> badKey(const std::string& keys) {
    for (char key : keys)
        if (!isKey(key))
            return "unknown key '" + std::string(1, key) + "'";
    return std::nullopt;
}

// A whole number from `least` to `most`, written with digits only.
std::optional<int> wholeNumber(const std::string& text, int least, int most) {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int number = std::stoi(text);
    if (number < least || number > most)
        return std::nullopt;
    return number;
}

// --places and --exact, which only convert and --batch write with.
std::optional<std::string> formatProblem(CliOptions& options) {
    if (options.placesText) {
        const auto places = wholeNumber(*options.placesText, 0, ResultFormat::maximumPlaces);
        if (!places)
            return "--places needs a whole number from 0 to " +
                   std::to_string(ResultFormat::maximumPlaces);
        if (options.format.exact)
            return std::string("--places and --exact exclude each other");
        options.format.places = *places;
    }
    if (options.clearHistory && options.command != CliOptions::Command::History)
        return std::string("--clear applies to history only");
    if (options.record && options.command != CliOptions::Command::Keys)
        return std::string("--record applies to KEYS only");
    const bool formatted = options.placesText || options.format.exact || options.format.plain;
    if (formatted && options.command != CliOptions::Command::Convert &&
        options.command != CliOptions::Command::Batch)
        return std::string("--plain, --places and --exact apply to convert and --batch only");
    return std::nullopt;
}

} // namespace

namespace {

ParsedCliOptions parseArguments(const std::vector<std::string>& arguments) {
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
    if (options.timeoutText) {
        const auto seconds = wholeNumber(*options.timeoutText, 1, 3600);
        if (!seconds)
            return failure("--timeout needs whole seconds from 1 to 3600");
        options.timeoutSeconds = *seconds;
    }
    if (options.command == CliOptions::Command::List && positional.size() == 1) {
        options.listCategory = positional.front();
        return {options, {}};
    }
    if (options.command != CliOptions::Command::Keys)
        return positional.empty() ? ParsedCliOptions{options, {}}
                                  : failure("unexpected argument '" + positional.back() + "'");
    if (!positional.empty() && positional.front() == "update-rates") {
        if (positional.size() != 1)
            return failure("update-rates takes no arguments");
        options.command = CliOptions::Command::UpdateRates;
        return {options, {}};
    }
    if (!positional.empty() && positional.front() == "history") {
        if (positional.size() != 1)
            return failure("history takes no arguments but --clear");
        options.command = CliOptions::Command::History;
        return {options, {}};
    }
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

} // namespace

ParsedCliOptions parseCliOptions(const std::vector<std::string>& arguments) {
    ParsedCliOptions parsed = parseArguments(arguments);
    if (parsed.options)
        if (auto problem = formatProblem(*parsed.options))
            return failure(*problem);
    return parsed;
}

const char* CliOptions::usage() {
    return R"usage(Usage: ratio-cli [OPTIONS] [KEYS]
       ratio-cli [OPTIONS] convert VALUE FROM TO
       ratio-cli [OPTIONS] --batch < lines of VALUE<TAB>FROM<TAB>TO
       ratio-cli [OPTIONS] --list [CATEGORY]
       ratio-cli [--timeout SECONDS] update-rates
       ratio-cli history [--clear]

Presses KEYS on Ratio's calculator and converter and prints row 0 and row 1,
or converts VALUE from one unit to another, exactly.

Keys (spaces are ignored):
  0-9  digits          .  decimal separator     + - * /  operators
  =    equals          C  clear                 N  sign change
  X    swap the two units

Values (convert, --batch): an optional + or -, digits, an optional point
and digits, an optional exponent: 3, -1.25, .5, 5., +2, 1e3, 2.5E-4. Also
as the locale writes them, in well-formed groups of three: 1,500.25 under
en_GB, 1.000,5 under de_DE. The locale's way comes first (1.000 under de_DE
is a thousand); a text that fits neither way (0,500 under en_GB) is refused.

Units are found by their long name ("Mile (mile, mi)"), the long name
without the brackets in any case ("mile", "Kilometre"), a symbol in the
brackets ("mi", "NM", "kt", "EUR"), the short name, a symbol without its
final dot ("oz", "Imp.gal"), or a plain spelling of a symbol: ^2 or 2 for
the square sign, ^3 or 3 for the cube sign, deg for the degree sign, u for
micro ("m^2", "km2", "degF", "um", "us"). English plurals ("feet", "miles",
"kilometres") and US spellings ("meter", "liter") work under every
language, as do British names and these everyday names:
  lbs  ton(s)  metric ton  kph kmh kmph  nmi  gallon(s) gal  quart(s) qt
  pint(s) pt  cup(s)  tablespoon(s) tbsp  teaspoon(s) tsp  fluid ounce fl oz
  floz  cc  cu m cbm  cu ft cuft  cu in  sq mi  sq km sqkm  sq m sqm  sq yd
  sqyd  sq ft sqft  sq in sqin  sq cm sqcm  sq mm sqmm  yr(s)  wk(s)  hr(s)
  mins  sec(s)
A name of several units (gallon, ton, cup, pint, quart) lists them and
converts nothing, unless the other unit's category settles it. Case
counts only where it tells units apart ("mm" and "Mm"). Currencies also
answer to their ISO codes.

Results: as the converter row shows them (8 places, grouped, the unit)
unless changed by
  --plain          the number alone: no grouping, "." as the point, no unit
  --places N       at most N places (0 to 1000) instead of 8, rounded half
                   away from zero
  --exact          the exact value: a terminating decimal in full, else the
                   repeating part in parentheses (0.(3)), or the fraction p/q
                   when that part is longer than 1000 digits

Commands and options:
  convert VALUE FROM TO  print VALUE in unit TO
  --batch          convert VALUE<TAB>FROM<TAB>TO lines from standard input,
                   one output line per input line: a bad line gives an empty
                   line and its message on standard error, a blank line or
                   one starting with # an empty line and no message
  --list [CATEGORY]  print the catalogue, or one category (index or name):
                   a heading "#<TAB>index<TAB>name" per category (the
                   currency name carries the date of its rates), then
                   category, index, long name, short name, in compact list
                   (1/0), tab-separated
  update-rates     download today's reference rates (from RATIO_RATES_URL
                   when set) and keep them for ratio-cli and the app,
                   unless the kept ones are newer or a rate is unreadable
  --timeout SECONDS  give up on update-rates after this long (default 30)
  history          print the history the app keeps (and KEYS --record),
                   oldest first, an entry a line of seven tab-separated
                   fields: time (ISO 8601), calculation ("12 × 3", empty for
                   a conversion), value (the result of a calculation, the
                   number converted), result of a conversion, its two units
                   (British names), the day of a currency's rates; values
                   exact: a terminating decimal in full, else the fraction p/q
  history --clear  empty the history
  --record         KEYS: add the run's calculations ("=") and, in converter
                   mode, its conversion left at C, X or the end, to the
                   history, as the app does
  --from UNIT      first unit for KEYS; default: mile
  --to UNIT        second unit, of the same category; default: kilometre
  --language TAG   preferred language, e.g. de-DE, zh-Hant-TW, en-US
  --locale NAME    locale for separators, currency and date, e.g. de_DE
  --calculator     start in calculator mode (row 0 without its unit)
  --rates FILE     use this reference-rate document instead of the kept one
  --trace          print the key and both rows after every key, and the
                   calculator's diagnostic lines on standard error
  --version        print the version
  -h, --help       show this help

Exit status: 0 success; 1 a batch line failed, update-rates failed or the
output could not be written (a closed pipe ends quietly); 2 usage error
(unknown option, unit or category, unusable --rates file).
Only update-rates, history --clear and --record write to the user's files.
)usage";
}

} // namespace ratio
