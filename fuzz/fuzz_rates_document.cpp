// Any bytes as a rate document: read, and applied to a currency category,
// which either gets units with exact rates or stays as it was.
#include "localization/Localization.h"
#include "platform/RatesDocument.h"
#include "units/CurrencyRates.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ratio::RatesDocument document = ratio::RatesDocument::read(bytes);
    if (document.usable() && document.rates.empty())
        std::abort(); // a usable document carries rates
    ratio::UnitCatalogue catalogue(1);
    const bool applied = ratio::applyCurrencyRates(
        catalogue, ratio::Localization::sharedBritishStrings(), document.rates, "USD", "date");
    if (applied != !catalogue.front().unitDefinitions.empty())
        std::abort();
    if (!document.usable() && applied)
        std::abort(); // nothing is applied from a document that was refused
    return 0;
}
