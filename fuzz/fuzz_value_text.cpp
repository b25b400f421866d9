// Any text as a value: parsed exactly or refused with a reason, never more.
#include "cli/ValueText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string problem;
    const auto value = ratio::ValueText::parse(text, &problem);
    if (value.has_value() == !problem.empty())
        std::abort(); // exactly one of a value and a reason
    return 0;
}
