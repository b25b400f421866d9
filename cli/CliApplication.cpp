#include "cli/CliApplication.h"

#include "cli/BatchRun.h"
#include "cli/CatalogueListing.h"
#include "cli/CliContext.h"
#include "cli/CurrencyLoading.h"
#include "cli/HistoryCommand.h"
#include "cli/LineConverter.h"
#include "units/UnitResolver.h"
#include "cli/UsageError.h"
#include "units/CurrencyRates.h"
#include "units/MainScreenModel.h"
#include "units/UnitCatalogueBuilder.h"
#include "units/UnitNameIndex.h"
#include "units/UnitPairRestore.h"

#include <QLocale>

#include <cerrno>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>

#ifndef RATIO_VERSION
#define RATIO_VERSION "unknown"
#endif

namespace ratio {

namespace {

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

UnitResolver makeResolver(const CliContext& context) {
    const bool noRates =
        context.catalogue.empty() || !carriesRatesOfADocument(context.catalogue[0]);
    std::function<UnitCatalogue()> absentCurrencies;
    if (noRates)
        absentCurrencies = [&context] { return CurrencyLoading::allCurrencies(context); };
    return UnitResolver(context.catalogue, {&context.british(), &context.us()},
                        CurrencyLoading::codeAliases(context.catalogue),
                        std::move(absentCurrencies), CurrencyLoading::missingRatesHint);
}

UnitResolver::Pair resolveUnits(const CliContext& context, const UnitResolver& resolver) {
    const auto defaults = defaultPair(context.catalogue);
    if (!defaults)
        throw UsageError("the catalogue has no default units");
    const auto resolved = resolver.resolvePair(
        context.options.from.value_or(defaults->unit0.definition(context.catalogue).longName),
        context.options.to.value_or(defaults->unit1.definition(context.catalogue).longName));
    if (const auto* problem = std::get_if<std::string>(&resolved))
        throw UsageError(*problem);
    return std::get<UnitResolver::Pair>(resolved);
}

HistoryPair historyPairOf(const CliContext& context, const UnitResolver::Pair& units) {
    const UnitNameIndex names(context.catalogue, context.localization.strings(),
                              context.localization.language, Localization::sharedBritishStrings());
    return historyPair(names, context.catalogue, {units.from, units.to});
}

// --record: the run's entries, the number left at its end included, added at once.
int recordHistory(MainScreenModel& screen, const HistoryEntries& entries, CliContext& context) {
    screen.leaveNumber();
    const HistoryFile file;
    if (entries.empty() || file.append(entries))
        return ExitSuccess;
    context.errors << "ratio-cli: cannot write the history " << file.filePath().toStdString()
                   << '\n';
    return ExitFailed;
}

int runKeys(CliContext& context, const UnitResolver& resolver) {
    const auto units = resolveUnits(context, resolver);
    OperatorMode operatorMode;
    MainScreenModel screen(context.facts.decimalSeparator, context.facts.groupingSeparator,
                           operatorMode);
    screen.setUnits(units.from.definition(context.catalogue),
                    units.to.definition(context.catalogue),
                    context.options.record ? historyPairOf(context, units) : HistoryPair{});
    HistoryEntries recorded;
    if (context.options.record)
        screen.history.recorded = [&](const HistoryEntry& entry) { recorded.push_back(entry); };
    if (context.options.calculatorMode)
        screen.switchToCalculatorMode();
    if (context.options.trace)
        screen.calculator.diagnosticSink = [&](const std::string& line) {
            context.errors << line << '\n';
        };
    screen.divisionByZero = [&] { context.errors << "/ 0: Division 0\n"; };
    for (char key : context.options.keys) {
        screen.press(std::string_view(&key, 1));
        if (context.options.trace)
            context.output << key << '\t' << screen.row0() << '\t' << screen.row1() << '\n';
    }
    if (!context.options.trace)
        context.output << screen.row0() << '\n' << screen.row1() << '\n';
    if (context.options.record)
        return recordHistory(screen, recorded, context);
    return ExitSuccess;
}

int runConvert(CliContext& context, LineConverter& converter) {
    const auto& arguments = context.options.convertArguments;
    std::string line, problem;
    if (!converter.convertLine(arguments[0], arguments[1], arguments[2], line, problem))
        throw UsageError(problem);
    context.output << line << '\n';
    return ExitSuccess;
}

int run(const CliOptions& options, std::istream& input, std::ostream& output, std::ostream& errors,
        bool interactiveInput) {
    const QLocale locale = localeFrom(options);
    // A tag typed as people write it ("zh-TW") gets its script, as the locale's do.
    const Localization localization(
        options.language
            ? LocaleFacts::preferredLanguageTags({QString::fromStdString(*options.language)})
            : LocaleFacts::system().preferredLanguages);
    CliContext context{options, locale, LocaleFacts::of(locale), localization, {}, {}, {},
                       output,  errors, interactiveInput};
    buildUnitCatalogue(context.catalogue, localization.strings(), localization.language,
                       Localization::sharedBritishStrings());
    // The same language, so the same units in the same places.
    if (!context.britishIsActive())
        buildUnitCatalogue(context.britishCatalogue, Localization::sharedBritishStrings(),
                           localization.language, Localization::sharedBritishStrings());
    if (localization.language != Language::EnglishUSA)
        buildUnitCatalogue(context.usCatalogue, *Localization::makeStrings(Language::EnglishUSA),
                           localization.language, Localization::sharedBritishStrings());
    CurrencyLoading::load(context);
    if (options.command == CliOptions::Command::List) {
        CatalogueListing::print(context, options.listCategory);
        return ExitSuccess;
    }
    const UnitResolver resolver = makeResolver(context);
    LineConverter converter(context.catalogue, resolver, context.facts.decimalSeparator,
                            context.facts.groupingSeparator, options.format);
    switch (options.command) {
    case CliOptions::Command::Convert:
        return runConvert(context, converter);
    case CliOptions::Command::Batch:
        return BatchRun::run(converter, input, output, errors, interactiveInput) ? ExitSuccess
                                                                                 : ExitLineFailed;
    default:
        return runKeys(context, resolver);
    }
}

// A full disk or a closed terminal is reported; a reader that went away, as
// `| head` does, ends the run quietly, as it ends other Unix tools.
int checkWritten(std::ostream& output, std::ostream& errors, int status) {
    if (output.flush())
        return status;
    const int error = errno;
    if (error != EPIPE)
        errors << "ratio-cli: cannot write the output: " << std::strerror(error) << '\n';
    return ExitFailed;
}

int runCommand(const ParsedCliOptions& parsed, std::istream& input, std::ostream& output,
               std::ostream& errors, bool interactiveInput, const RatesUpdateRunner& updateRates) {
    try {
        if (!parsed.options)
            throw UsageError(parsed.error);
        switch (parsed.options->command) {
        case CliOptions::Command::Help:
            output << CliOptions::usage();
            return ExitSuccess;
        case CliOptions::Command::History:
            return parsed.options->clearHistory ? HistoryCommand::clear(HistoryFile(), errors)
                                                : HistoryCommand::print(HistoryFile(), output);
        case CliOptions::Command::Version:
            output << "ratio-cli " RATIO_VERSION "\n";
            return ExitSuccess;
        case CliOptions::Command::UpdateRates:
            if (!updateRates)
                throw UsageError("update-rates is not available in this program");
            return updateRates(parsed.options->timeoutSeconds, output, errors);
        default:
            return run(*parsed.options, input, output, errors, interactiveInput);
        }
    } catch (const UsageError& error) {
        errors << "ratio-cli: " << error.message << "\nTry 'ratio-cli --help'.\n";
        return ExitUsage;
    }
}

} // namespace

int runCli(const std::vector<std::string>& arguments, std::istream& input, std::ostream& output,
           std::ostream& errors, bool interactiveInput, const RatesUpdateRunner& updateRates) {
    const int status = runCommand(parseCliOptions(arguments), input, output, errors,
                                  interactiveInput, updateRates);
    return checkWritten(output, errors, status);
}

} // namespace ratio
