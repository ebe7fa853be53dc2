#pragma once

#include <cstdint>
#include <functional>

namespace vorlix::platform {

// Runs routine(parameter) on a new thread with the default stack size.
// With a handle variable, the thread's handle is stored there and stays
// open; without, it is closed at once and the thread runs on by itself.
// False when the thread could not be created.
bool StartThread(std::function<void(std::int32_t)> routine, std::int32_t parameter, std::intptr_t* handle);

}  // namespace vorlix::platform
