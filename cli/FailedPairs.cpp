#include "cli/FailedPairs.h"

namespace ratio {

namespace {
// A hash node with its two strings, and its bucket pointer.
constexpr std::size_t entryBytes =
    sizeof(std::unordered_map<std::string, std::string>::value_type) + 3 * sizeof(void*);
} // namespace

const std::string* FailedPairs::find(const std::string& key) const {
    const auto found = problems.find(key);
    return found == problems.end() ? nullptr : &found->second;
}

void FailedPairs::remember(const std::string& key, const std::string& problem) {
    const std::size_t bytes = entryBytes + key.size() + problem.size();
    if (bytes > maximumBytes)
        return;
    if (used + bytes > maximumBytes) {
        problems = {}; // gives the buckets back too
        used = 0;
    }
    if (problems.emplace(key, problem).second)
        used += bytes;
}

} // namespace ratio
