// Any bytes as batch input: every line converts or is reported, and the
// batch always ends.
#include "cli/BatchRun.h"
#include "localization/Localization.h"
#include "units/UnitCatalogueBuilder.h"

#include <cstdint>
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
    ratio::LineConverter converter(catalogue.units, resolver, ".", ",");
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream output, errors;
    ratio::BatchRun::run(converter, input, output, errors, false);
    return 0;
}
