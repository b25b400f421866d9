// Any text as a value: read exactly or refused, under both kinds of separators.
#include "engine/LocaleNumber.h"

#include <cstdint>
#include <cstdlib>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto& [decimal, grouping] : {std::pair{".", ","}, std::pair{",", "."}}) {
        const auto read = ratio::LocaleNumber::read(text, decimal, grouping);
        if (const auto* number = std::get_if<ratio::LocaleNumber>(&read))
            if (number->decimalInputPlace < -1)
                std::abort();
    }
    return 0;
}
