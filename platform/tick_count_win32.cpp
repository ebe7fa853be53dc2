#include "platform/tick_count.h"

#include <windows.h>

namespace vorlix::platform {

std::uint32_t TickCount() { return GetTickCount(); }

}  // namespace vorlix::platform
