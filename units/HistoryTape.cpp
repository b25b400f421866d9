#include "units/HistoryTape.h"

#include "engine/BDouble.h"

#include <algorithm>
#include <array>

namespace ratio {

namespace {

constexpr std::string_view header = "ratio-history 1";
constexpr std::size_t fieldCount = 7;

using Fields = std::array<std::string_view, fieldCount>;

std::optional<Fields> split(std::string_view line) {
    Fields fields;
    for (std::size_t i = 0; i < fieldCount; ++i) {
        const std::size_t tab = line.find('\t');
        if ((tab == std::string_view::npos) != (i + 1 == fieldCount))
            return std::nullopt;
        fields[i] = line.substr(0, tab);
        line.remove_prefix(tab == std::string_view::npos ? line.size() : tab + 1);
    }
    return fields;
}

bool isExact(std::string_view text) {
    return BDouble::fromExactText(text).has_value();
}

std::optional<HistoryEntry> readEntry(std::string_view line) {
    const auto fields = split(line);
    if (!fields)
        return std::nullopt;
    HistoryEntry entry{
        std::string((*fields)[0]),
        std::string((*fields)[1]),
        std::string((*fields)[2]),
        std::string((*fields)[3]),
        {std::string((*fields)[4]), std::string((*fields)[5]), std::string((*fields)[6])}};
    const bool soundConversion = entry.isConversion() && isExact(entry.result) &&
                                 !entry.pair.unit0.empty() && !entry.pair.unit1.empty();
    const bool soundCalculation = !entry.isConversion() && entry.result.empty();
    if (entry.time.empty() || !isExact(entry.value) || !(soundConversion || soundCalculation))
        return std::nullopt;
    return entry;
}

bool isWritable(const HistoryEntry& entry) {
    for (const std::string* field : {&entry.time, &entry.calculation, &entry.value, &entry.result,
                                     &entry.pair.unit0, &entry.pair.unit1, &entry.pair.ratesDay})
        if (field->find_first_of("\t\r\n") != std::string::npos)
            return false;
    return true;
}

} // namespace

std::optional<HistoryEntries> HistoryTape::read(std::string_view text) {
    if (!text.starts_with(header) || (text.size() > header.size() && text[header.size()] != '\n'))
        return std::nullopt;
    text.remove_prefix(std::min(text.size(), header.size() + 1));
    HistoryEntries entries;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt; // cut short
        auto entry = readEntry(text.substr(0, end));
        if (!entry)
            return std::nullopt;
        entries.push_back(std::move(*entry));
        text.remove_prefix(end + 1);
    }
    append(entries, {}); // a longer tape, written by hand, keeps its newest
    return entries;
}

std::string HistoryTape::write(const HistoryEntries& entries) {
    std::string text(header);
    text += '\n';
    for (const HistoryEntry& entry : entries) {
        if (!isWritable(entry))
            continue;
        for (const std::string* field : {&entry.time, &entry.calculation, &entry.value,
                                         &entry.result, &entry.pair.unit0, &entry.pair.unit1}) {
            text += *field;
            text += '\t';
        }
        text += entry.pair.ratesDay;
        text += '\n';
    }
    return text;
}

void HistoryTape::append(HistoryEntries& entries, const HistoryEntries& added) {
    entries.insert(entries.end(), added.begin(), added.end());
    if (entries.size() > maximumEntries)
        entries.erase(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(
                                                             entries.size() - maximumEntries));
}

} // namespace ratio
