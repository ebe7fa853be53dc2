#include "runtime/core/startup.h"

#include "platform/plain_window.h"

namespace vorlix::core {

int RunProgram() { return platform::RunPlainWindow("VorlixV5.2"); }

}  // namespace vorlix::core
