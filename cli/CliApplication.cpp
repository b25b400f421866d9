#include "cli/CliApplication.h"

#include "cli/CliOptions.h"
#include "cli/CliSession.h"
#include "cli/UnitResolver.h"
#include "engine/ConversionChain.h"
#include "localization/Localization.h"
#include "platform/CurrencyUpdate.h"
#include "platform/KeptRatesDocument.h"
#include "platform/LocaleFacts.h"
#include "units/CurrencyRates.h"
#include "units/UnitCatalogueBuilder.h"

#include <QDate>
#include <QFile>
#include <QLocale>

#include <istream>
#include <optional>
#include <ostream>

namespace ratio {

namespace {

// Everything a command needs once the options are understood.
struct Context {
    const CliOptions& options;
    QLocale locale;
    LocaleFacts facts;
    UnitCatalogue catalogue;
    std::ostream& output;
    std::ostream& errors;
};

class UsageError {
  public:
    explicit UsageError(std::string message) : message(std::move(message)) {}
    std::string message;
};

QLocale localeFrom(const CliOptions& options) {
    if (!options.locale)
        return QLocale::system();
    const QLocale locale(QString::fromStdString(*options.locale));
    const bool unknown =
        locale == QLocale::c() && *options.locale != "C" && *options.locale != "POSIX";
    if (unknown)
        throw UsageError("unknown locale '" + *options.locale + "'");
    return locale;
}

void applyRates(Context& context, const LocalizedStrings& strings) {
    if (!context.options.ratesFile) {
        applyKeptRates(context.catalogue, strings, KeptRatesDocument(), context.locale);
        return;
    }
    QFile file(QString::fromStdString(*context.options.ratesFile));
    if (!file.open(QIODevice::ReadOnly))
        throw UsageError("cannot read rates file '" + *context.options.ratesFile + "'");
    const QByteArray document = file.read(static_cast<qint64>(maximumRatesDocumentSize) + 1);
    if (file.error() != QFileDevice::NoError)
        throw UsageError("cannot read rates file '" + *context.options.ratesFile + "'");
    applyCurrencyRates(
        context.catalogue, strings,
        std::string_view(document.constData(), static_cast<std::size_t>(document.size())),
        context.facts.currencyCode, shortDateText(context.locale, QDate::currentDate()));
}

UnitResolver::Pair resolveUnits(const Context& context, const UnitResolver& resolver) {
    if (context.catalogue.size() < 2 || context.catalogue[1].unitDefinitions.size() < 2)
        throw UsageError("the catalogue has no default units");
    const auto& defaults = context.catalogue[1].unitDefinitions;
    const auto resolved = resolver.resolvePair(context.options.from.value_or(defaults[0].longName),
                                               context.options.to.value_or(defaults[1].longName));
    if (const auto* problem = std::get_if<std::string>(&resolved))
        throw UsageError(*problem);
    return std::get<UnitResolver::Pair>(resolved);
}

int runKeys(Context& context) {
    const UnitResolver resolver(context.catalogue);
    const auto units = resolveUnits(context, resolver);
    CliSession session(context.facts.decimalSeparator, context.facts.groupingSeparator,
                       units.from.definition(context.catalogue),
                       units.to.definition(context.catalogue), context.options.calculatorMode);
    session.diagnosticSink() = [&](const std::string& line) { context.errors << line << '\n'; };
    session.onDivisionByZero = [&] { context.errors << "/ 0: Division 0\n"; };
    for (char key : context.options.keys) {
        session.press(key);
        if (context.options.trace)
            context.output << key << '\t' << session.row0() << '\t' << session.row1() << '\n';
    }
    if (!context.options.trace)
        context.output << session.row0() << '\n' << session.row1() << '\n';
    return ExitSuccess;
}

// One conversion's printed line, or the problem that stopped it.
struct ConvertedLine {
    std::string text;
    std::string problem;
    bool ok() const { return problem.empty(); }
};

ConvertedLine failedLine(std::string problem) {
    return {{}, std::move(problem)};
}

// Converts as the converter row would show it: 8 places, grouped, with the unit.
class LineConverter {
  public:
    explicit LineConverter(const Context& context)
        : catalogue(context.catalogue), resolver(context.catalogue),
          text(context.facts.decimalSeparator, context.facts.groupingSeparator) {}

    ConvertedLine convertLine(const std::string& value, const std::string& from,
                              const std::string& to) const {
        const auto number = BDouble::fromText(value);
        if (!number)
            return failedLine("not a decimal number: '" + value + "'");
        const auto resolved = resolver.resolvePair(from, to);
        if (const auto* problem = std::get_if<std::string>(&resolved))
            return failedLine(*problem);
        const auto& units = std::get<UnitResolver::Pair>(resolved);
        const UnitDefinition& target = units.to.definition(catalogue);
        const auto converted =
            convert(*number, units.from.definition(catalogue).metricsCalculations,
                    target.metricsCalculations);
        if (!converted)
            return failedLine("the conversion divides by zero");
        return {text.insertGroupingSeparators(text.resultText(*converted)) + " " + target.shortName,
                {}};
    }

  private:
    const UnitCatalogue& catalogue;
    const UnitResolver resolver;
    const BaseCalculator text;
};

int runConvert(Context& context) {
    const auto& arguments = context.options.convertArguments;
    const ConvertedLine line =
        LineConverter(context).convertLine(arguments[0], arguments[1], arguments[2]);
    if (!line.ok())
        throw UsageError(line.problem);
    context.output << line.text << '\n';
    return ExitSuccess;
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back().push_back(c);
    }
    return fields;
}

int runBatch(Context& context, std::istream& input) {
    const LineConverter converter(context);
    bool failed = false;
    std::string line;
    for (long number = 1; std::getline(input, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const auto fields = splitTabs(line);
        const ConvertedLine converted = fields.size() == 3
                                            ? converter.convertLine(fields[0], fields[1], fields[2])
                                            : failedLine("expected VALUE<TAB>FROM<TAB>TO");
        if (converted.ok()) {
            context.output << converted.text << '\n';
        } else {
            context.errors << "ratio-cli: line " << number << ": " << converted.problem << '\n';
            failed = true;
        }
    }
    return failed ? ExitLineFailed : ExitSuccess;
}

int runList(Context& context) {
    for (std::size_t c = 0; c < context.catalogue.size(); ++c) {
        const auto& units = context.catalogue[c].unitDefinitions;
        for (std::size_t u = 0; u < units.size(); ++u)
            context.output << c << '\t' << u << '\t' << units[u].longName << '\t'
                           << units[u].shortName << '\t' << (units[u].added ? 1 : 0) << '\n';
    }
    return ExitSuccess;
}

int run(const CliOptions& options, std::istream& input, std::ostream& output,
        std::ostream& errors) {
    Context context{options, localeFrom(options), {}, {}, output, errors};
    context.facts = LocaleFacts::of(context.locale);
    const std::vector<std::string> languages = options.language
                                                   ? std::vector<std::string>{*options.language}
                                                   : LocaleFacts::system().preferredLanguages;
    const Localization localization(languages);
    buildUnitCatalogue(context.catalogue, localization.strings(), localization.language,
                       Localization::sharedBritishStrings());
    applyRates(context, localization.strings());
    switch (options.command) {
    case CliOptions::Command::Convert:
        return runConvert(context);
    case CliOptions::Command::Batch:
        return runBatch(context, input);
    case CliOptions::Command::List:
        return runList(context);
    case CliOptions::Command::Keys:
    case CliOptions::Command::Help:
        break;
    }
    return runKeys(context);
}

} // namespace

int runCli(const std::vector<std::string>& arguments, std::istream& input, std::ostream& output,
           std::ostream& errors) {
    const auto parsed = parseCliOptions(arguments);
    try {
        if (!parsed.options)
            throw UsageError(parsed.error);
        if (parsed.options->command == CliOptions::Command::Help) {
            output << CliOptions::usage();
            return ExitSuccess;
        }
        return run(*parsed.options, input, output, errors);
    } catch (const UsageError& error) {
        errors << "ratio-cli: " << error.message << "\nTry 'ratio-cli --help'.\n";
        return ExitUsage;
    }
}

} // namespace ratio
