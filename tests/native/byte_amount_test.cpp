#include "app/results/byte_amount.h"

#include <gtest/gtest.h>

namespace vorlix::app {
namespace {

TEST(ByteAmountText, gives_three_figures_in_the_first_unit_that_fits) {
  const struct {
    std::uint64_t bytes;
    const char* text;
  } cases[] = {{0, "0 B"},
               {1023, "1023 B"},
               {1024, "1.00 KB"},
               {1536, "1.50 KB"},
               {999 * 1024, "999 KB"},
               {1000 * 1024, "0.98 MB"},
               {std::uint64_t{2} << 30, "2.00 GB"},
               {~std::uint64_t{0}, "16384 PB"}};
  for (const auto& c : cases) EXPECT_EQ(ByteAmountText(c.bytes), c.text) << c.bytes;
}

}  // namespace
}  // namespace vorlix::app
