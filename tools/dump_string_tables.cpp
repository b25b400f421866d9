// Writes every language table as JSON: the table of each language, field by
// field, with its hp_M list. Built and run by measure_string_tables.py against
// a build's localization library; not part of the app.
#include "localization/Localization.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace

int main() {
    using ratio::Language;
    using ratio::LocalizedStrings;
    std::printf("[\n");
    const int count = static_cast<int>(Language::Count);
    for (int raw = 0; raw < count; ++raw) {
        const auto table = ratio::Localization::makeStrings(static_cast<Language>(raw));
        std::printf("{\"language\": %d,\n \"hp_M\": [", raw);
        for (std::size_t i = 0; i < table->hp_M.size(); ++i)
            std::printf("%s%s", i == 0 ? "" : ", ", quoted(table->hp_M[i]).c_str());
        std::printf("],\n \"fields\": [\n");
        bool first = true;
        for (const auto& field : LocalizedStrings::textFields()) {
            std::printf("%s  [%s, %s]", first ? "" : ",\n", quoted(field.name).c_str(),
                        quoted(*table.*field.member).c_str());
            first = false;
        }
        std::printf("]}%s\n", raw + 1 < count ? "," : "");
    }
    std::printf("]\n");
    return 0;
}
