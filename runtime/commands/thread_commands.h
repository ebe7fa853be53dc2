#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace vorlix::commands {

// An application subroutine that a new thread runs with one integer.
using ThreadSubroutine = std::function<void(std::int32_t)>;

// Starts a thread at once, with the default stack size, running the
// subroutine with the parameter (0 when absent). With a handle variable the
// thread's handle is stored there and stays open (the caller closes it);
// without, it is closed at once and the thread runs on by itself. False
// when the platform cannot create the thread.
bool StartThread(ThreadSubroutine subroutine, std::optional<std::int32_t> parameter = std::nullopt,
                 std::intptr_t* handle_variable = nullptr);

}  // namespace vorlix::commands
