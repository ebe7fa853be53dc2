#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// The 1-based place at which a text goes into `count` texts kept in
// ascending order, where `compare_at(k)` compares the text with the k-th of
// them (from 1) as CompareText does: after the last when it is not smaller
// than the last, before the first when it is not larger than the first,
// otherwise right after the text at which a bisection stops, which is an
// equal one when the bisection meets one.
template <class CompareAt>
std::int32_t FindSortedPosition(std::int32_t count, CompareAt compare_at) {
  if (count == 0) return 1;
  if (compare_at(count) >= 0) return count + 1;
  if (compare_at(1) <= 0) return 1;
  std::int32_t low = 1;
  std::int32_t high = count;
  while (low < high - 1) {
    const std::int32_t middle = (low + high) / 2;
    const std::int32_t order = compare_at(middle);
    if (order == 0) {
      low = middle;
      break;
    }
    if (order < 0) {
      high = middle;
    } else {
      low = middle;
    }
  }
  return low + 1;
}

// The order in which inserting the keys one after another, each at its
// FindSortedPosition (by CompareText) among those before it, leaves them:
// element k is the index in `keys` of the k-th key in ascending order. Ties
// fall where that insertion puts them, which no stable sort reproduces.
// O(n log n), not the O(n²) moves of inserting into an array.
std::vector<std::int32_t> SortedOrder(std::span<const std::string_view> keys, bool case_sensitive);
std::vector<std::int32_t> SortedOrder(std::span<const core::Text> keys, bool case_sensitive);

}  // namespace vorlix::app
