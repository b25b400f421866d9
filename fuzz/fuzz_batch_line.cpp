// Any bytes as batch input, under every result format and two locales: every
// line converts or is reported, one output line per input line, and the
// batch always ends.
#include "cli/BatchRun.h"
#include "localization/Localization.h"
#include "units/UnitCatalogueBuilder.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace {

struct Catalogue {
    ratio::UnitCatalogue units;
    Catalogue() {
        const auto& british = ratio::Localization::sharedBritishStrings();
        ratio::buildUnitCatalogue(units, british, ratio::Language::EnglishBritish, british);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Catalogue catalogue;
    static const ratio::UnitResolver resolver(catalogue.units, {&catalogue.units});
    if (size == 0)
        return 0;
    // The first byte picks the format and the separators; the rest is the batch.
    const unsigned choice = data[0];
    ratio::ResultFormat format;
    format.plain = choice & 1;
    format.exact = choice & 2;
    format.places = format.exact ? format.places : static_cast<int>((choice >> 2) % 12);
    const bool german = choice & 0x80;
    ratio::LineConverter converter(catalogue.units, resolver, german ? "," : ".",
                                   german ? "." : ",", format);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::istringstream input(text);
    std::ostringstream output, errors;
    ratio::BatchRun::run(converter, input, output, errors, false);
    const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    const std::size_t lines = breaks + (!text.empty() && text.back() != '\n');
    const std::string written = output.str();
    if (static_cast<std::size_t>(std::count(written.begin(), written.end(), '\n')) != lines)
        std::abort(); // output line N is input line N
    return 0;
}
