#include "runtime/commands/thread_commands.h"

#include "platform/hidden_owner_window.h"
#include "platform/threads.h"

namespace vorlix::commands {

bool StartThread(ThreadSubroutine subroutine, std::optional<std::int32_t> parameter, std::intptr_t* handle_variable) {
  return platform::StartThread(std::move(subroutine), parameter.value_or(0), handle_variable);
}

bool RunOnWindowThread(std::function<void()> task) { return platform::PostToWindowThread(std::move(task)); }

}  // namespace vorlix::commands
