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

// From any thread: hands the task to the window thread, which runs it the
// next time it dispatches messages (its loop, ProcessEvents or a modal
// dialog), tasks in the order handed over. This is how a worker reaches the
// units, which belong to the window thread. False when the runtime has no
// window thread to take it.
bool RunOnWindowThread(std::function<void()> task);

}  // namespace vorlix::commands
