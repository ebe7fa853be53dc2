#include "runtime/commands/conversion_commands.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "runtime/commands/fullwidth_folding.h"
#include "runtime/core/values/overloaded.h"

namespace vorlix::commands {
namespace {

constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kSmallest = std::numeric_limits<std::int32_t>::min();

constexpr bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The C library's reading of a decimal integer (white space, a sign, digits),
// done here so that every build reads alike; out-of-range numbers are held at
// the ends of the range as the platform's atoi does.
std::int32_t ParseDecimal(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && IsCSpace(text[at])) ++at;
  const bool negative = at < text.size() && text[at] == '-';
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  std::int64_t magnitude = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    magnitude = std::min<std::int64_t>(magnitude * 10 + (text[at] - '0'), std::int64_t{kLargest} + 1);
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, kSmallest, kLargest));
}

// Truncation toward zero; a value outside the integer range would be
// undefined behaviour in C++, so it is held at the nearer end (NaN gives 0).
std::int32_t Truncate(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483648.0) return kLargest;
  if (value <= -2147483649.0) return kSmallest;
  return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t ToInteger(const core::Value& value) {
  return std::visit(core::Overloaded{
                        [](bool v) { return v ? 1 : 0; },
                        [](const core::Text& v) { return ParseDecimal(FoldFullWidth(v)); },
                        [](core::SubroutineAddress v) { return static_cast<std::int32_t>(v.entry); },
                        [](std::uint8_t v) { return std::int32_t{v}; },
                        [](std::int16_t v) { return std::int32_t{v}; },
                        [](std::int32_t v) { return v; },
                        [](std::int64_t v) { return static_cast<std::int32_t>(v); },
                        [](float v) { return Truncate(v); },
                        [](double v) { return Truncate(v); },
                        [](const auto&) { return 0; },
                    },
                    value.storage());
}

}  // namespace vorlix::commands
