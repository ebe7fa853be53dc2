#pragma once

#include <string>

namespace vorlix::platform {

// Shows one empty top-level window with the given GBK caption and runs the
// message loop until it closes; returns the exit code of the quit message.
int RunPlainWindow(const std::string& caption);

}  // namespace vorlix::platform
