#include "runtime/commands/text_compare.h"

#include <algorithm>

#include "runtime/commands/double_byte.h"

namespace vorlix::commands {

std::int32_t CompareText(std::string_view a, std::string_view b, bool case_sensitive) {
  // Equal bytes so far put both texts on the same character boundaries, so
  // whether a byte is a trail byte is the same in both.
  bool trail_byte = false;
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const bool fold = !case_sensitive && !trail_byte;
    const auto left = static_cast<unsigned char>(fold ? AsciiLower(a[i]) : a[i]);
    const auto right = static_cast<unsigned char>(fold ? AsciiLower(b[i]) : b[i]);
    if (left != right) return left < right ? -1 : 1;
    trail_byte = !trail_byte && IsLeadByte(a[i]);
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace vorlix::commands
