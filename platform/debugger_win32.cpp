#include "platform/debugger.h"

#include <windows.h>

namespace vorlix::platform {

void BreakIntoDebugger() { DebugBreak(); }

}  // namespace vorlix::platform
