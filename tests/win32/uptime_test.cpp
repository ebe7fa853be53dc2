#include "runtime/commands/uptime_command.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <thread>

namespace vorlix::commands {
namespace {

TEST(GetUptime, counts_the_milliseconds_of_the_system_tick_counter) {
  const std::int32_t before = GetUptime();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  // Unsigned difference: the 32-bit counter may wrap in between.
  const std::uint32_t elapsed = static_cast<std::uint32_t>(GetUptime()) - static_cast<std::uint32_t>(before);
  EXPECT_GE(elapsed, 45u);
  EXPECT_LT(elapsed, 60'000u) << "milliseconds, not microseconds";
}

}  // namespace
}  // namespace vorlix::commands
