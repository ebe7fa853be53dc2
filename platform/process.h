#pragma once

namespace vorlix::platform {

[[noreturn]] void ExitProcessNow(int exit_code);

}  // namespace vorlix::platform
