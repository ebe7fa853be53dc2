// The native build's stand-in: the monotonic clock, cut to the same 32 bits.
#include "platform/tick_count.h"

#include <time.h>

namespace vorlix::platform {

std::uint32_t TickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const auto milliseconds =
      static_cast<std::uint64_t>(now.tv_sec) * 1000 + static_cast<std::uint64_t>(now.tv_nsec) / 1000000;
  return static_cast<std::uint32_t>(milliseconds);
}

}  // namespace vorlix::platform
