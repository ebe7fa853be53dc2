#include "app/results/byte_amount.h"

#include <array>

#include "runtime/core/values/text_format.h"

namespace vorlix::app {

core::Text ByteAmountText(std::uint64_t bytes) {
  static constexpr std::array<const char*, 5> kUnits{"KB", "MB", "GB", "TB", "PB"};
  if (bytes < 1024) return core::FormatText("%u B", static_cast<unsigned>(bytes));
  double amount = static_cast<double>(bytes) / 1024;
  std::size_t unit = 0;
  while (amount >= 1000 && unit + 1 < kUnits.size()) {
    amount /= 1024;
    ++unit;
  }
  const char* pattern = amount < 10 ? "%.2f %s" : amount < 100 ? "%.1f %s" : "%.0f %s";
  return core::FormatText(pattern, amount, kUnits[unit]);
}

}  // namespace vorlix::app
