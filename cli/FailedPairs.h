#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>

namespace ratio {

// The problems of unit pairs that failed, by "from<TAB>to", so a batch that
// repeats a bad pair looks it up once. The memory is bounded in bytes, not in
// pairs, so hostile names cannot make it large: past the bound it starts
// again, and an entry larger than the bound is never kept.
class FailedPairs {
  public:
    explicit FailedPairs(std::size_t maximumBytes) : maximumBytes(maximumBytes) {}

    // The problem remembered for `key`, or null.
    const std::string* find(const std::string& key) const;
    void remember(const std::string& key, const std::string& problem);
    // What the entries take, counted as their texts and each entry's bookkeeping.
    std::size_t bytes() const { return used; }

  private:
    const std::size_t maximumBytes;
    std::size_t used = 0;
    std::unordered_map<std::string, std::string> problems;
};

} // namespace ratio
