#include "runtime/core/events/message_loop.h"

#include "runtime/core/events/idle_work.h"
#include "runtime/core/state/runtime_state.h"

namespace vorlix::core {
namespace {

platform::PreTranslateHook pre_translate = nullptr;

// Idle work until a message arrives or no more is wanted; false then.
bool DoIdleWork(IdleWork& idle, int& count) {
  while (!platform::MessageWaiting()) {
    CallIdleRoutines();
    if (!idle.Pass(count++)) return false;
  }
  return true;
}

}  // namespace

void RunMessageLoop() {
  Runtime().loop_started = true;
  if (Runtime().open_windows.empty()) return;
  IdleWork idle;
  bool idle_wanted = true;
  int idle_count = 0;
  for (;;) {
    if (idle_wanted) idle_wanted = DoIdleWork(idle, idle_count);
    do {
      const platform::PumpOutcome outcome = platform::PumpMessage(pre_translate);
      if (outcome.quit) return;
      if (outcome.resets_idle) {
        idle_wanted = true;
        idle_count = 0;
      }
    } while (platform::MessageWaiting());
  }
}

void ProcessPendingMessages() { platform::DispatchWaitingMessages(pre_translate); }

void SetPreTranslateHook(platform::PreTranslateHook hook) { pre_translate = hook; }

}  // namespace vorlix::core
