#pragma once

#include <string>

namespace vorlix::platform {

// The full path of the running program's file.
std::string ProgramFilePath();

}  // namespace vorlix::platform
