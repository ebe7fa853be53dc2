#include "platform/debugger.h"

#include <csignal>

namespace vorlix::platform {

void BreakIntoDebugger() { std::raise(SIGTRAP); }

}  // namespace vorlix::platform
