#pragma once

// The result list's sort as its procedure states it, for tests to hold the
// fast order against.
#include <cstdint>
#include <vector>

#include "runtime/commands/text_compare.h"
#include "runtime/core/values/value.h"

namespace vorlix::test {

// The insertion procedure itself: each key goes into an array kept in
// ascending order at the place FindSortedPosition's rules give, moving the
// rest back. The array holds the keys' indices, which is all that moves.
inline std::vector<std::int32_t> InsertedOneByOne(const std::vector<core::Text>& keys, bool case_sensitive) {
  std::vector<std::int32_t> sorted;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const auto compare = [&](std::size_t place) {  // 1-based, as the procedure counts
      return commands::CompareText(keys[i], keys[sorted[place - 1]], case_sensitive);
    };
    const std::size_t m = sorted.size();
    std::size_t after;  // the number of elements the key goes after
    if (m == 0 || compare(m) >= 0) {
      after = m;
    } else if (compare(1) <= 0) {
      after = 0;
    } else {
      std::size_t lo = 1, hi = m;
      while (lo < hi - 1) {
        const std::size_t mid = (lo + hi) / 2;
        const int r = compare(mid);
        if (r == 0) {
          lo = mid;
          break;
        }
        (r < 0 ? hi : lo) = mid;
      }
      after = lo;
    }
    sorted.insert(sorted.begin() + static_cast<std::ptrdiff_t>(after), static_cast<std::int32_t>(i));
  }
  return sorted;
}

}  // namespace vorlix::test
