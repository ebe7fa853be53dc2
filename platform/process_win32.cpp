#include "platform/process.h"

#include <windows.h>

namespace vorlix::platform {

void ExitProcessNow(int exit_code) { ExitProcess(static_cast<UINT>(exit_code)); }

}  // namespace vorlix::platform
