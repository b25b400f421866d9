#include "cli/CurrencyLoading.h"

#include "cli/RatesFile.h"
#include "cli/UsageError.h"
#include "platform/CurrencyUpdate.h"
#include "platform/KeptRatesDocument.h"
#include "platform/RatesDocument.h"
#include "units/CurrencyRates.h"

#include <QDate>

#include <ostream>

namespace ratio {

namespace {

void apply(CliContext& context, const RatesDocument& document, const QDate& day) {
    applyRatesDocument(context.catalogue, context.localization.strings(), document, context.locale,
                       day);
    if (!context.britishIsActive())
        applyRatesDocument(context.britishCatalogue, Localization::sharedBritishStrings(), document,
                           context.locale, day);
}

void reportSkipped(const CliContext& context, const std::string& source,
                   const RatesDocument& document) {
    for (const RatesDocument::SkippedRate& skipped : document.skipped)
        context.errors << "ratio-cli: " << source << ": skipped rate for " << skipped.code << ": "
                       << skipped.why << '\n';
}

void loadFile(CliContext& context, const std::string& path) {
    const std::string source = "rates file '" + path + "'";
    const auto bytes = RatesFile::read(path);
    if (const auto* problem = std::get_if<std::string>(&bytes))
        throw UsageError("cannot read " + source + ": " + *problem);
    const RatesDocument document = RatesDocument::read(std::get<QByteArray>(bytes));
    if (!document.usable())
        throw UsageError(source + " is not a usable rate document: " + document.problem);
    reportSkipped(context, source, document);
    apply(context, document, document.day(QDate::currentDate()));
}

void loadKept(CliContext& context) {
    const KeptRatesDocument kept;
    const auto stored = kept.load();
    if (!stored)
        return;
    const std::string source = "kept rate document '" + kept.filePath().toStdString() + "'";
    const RatesDocument& document = stored->rates;
    if (!document.usable()) {
        context.errors << "ratio-cli: " << source << " is not usable (" << document.problem << "); "
                       << CurrencyLoading::missingRatesHint << '\n';
        return;
    }
    reportSkipped(context, source, document);
    apply(context, document, stored->ratesDay());
}

} // namespace

void CurrencyLoading::load(CliContext& context) {
    if (context.options.ratesFile)
        loadFile(context, *context.options.ratesFile);
    else
        loadKept(context);
}

std::vector<UnitResolver::Alias> CurrencyLoading::codeAliases(const UnitCatalogue& catalogue) {
    std::vector<UnitResolver::Alias> aliases;
    if (catalogue.empty())
        return aliases;
    const auto& units = catalogue.front().unitDefinitions;
    for (std::size_t u = 0; u < units.size(); ++u)
        for (const CurrencyTableRow& row : currencyTable())
            if (units[u].shortName == row.shortName) // the table's short names are unique
                aliases.push_back({*row.code ? row.code : "EUR", {0, u}});
    return aliases;
}

UnitCatalogue CurrencyLoading::allCurrencies(const CliContext& context) {
    UnitCatalogue all(1);
    RateTexts anyRate;
    for (const CurrencyTableRow& row : currencyTable().subspan(1))
        anyRate.emplace(row.code, "1");
    UnitCatalogue british(1);
    applyCurrencyRates(all, context.localization.strings(), anyRate, {}, {});
    applyCurrencyRates(british, Localization::sharedBritishStrings(), anyRate, {}, {});
    all.front().unitDefinitions.insert(all.front().unitDefinitions.end(),
                                       british.front().unitDefinitions.begin(),
                                       british.front().unitDefinitions.end());
    for (const UnitResolver::Alias& alias : codeAliases(british))
        all.front().unitDefinitions.emplace_back(alias.name, alias.name, false, -1,
                                                 MetricsCalculations{});
    return all;
}

} // namespace ratio
