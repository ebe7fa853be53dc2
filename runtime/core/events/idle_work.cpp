#include "runtime/core/events/idle_work.h"

#include <algorithm>

#include "platform/tick_count.h"
#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/state/runtime_state.h"

namespace vorlix::core {
namespace {

constexpr std::int32_t kIdleEvent = 7;

// The first two passes of a period were the window framework's own idle
// work; the idle event still begins with the third, so its first elapsed
// time is what it always was.
constexpr int kFirstIdleEventPass = 2;

struct IdleEntry {
  WindowId window;
  IdleRoutine routine;
  std::uintptr_t argument;
};
std::vector<IdleEntry> idle_routines;

bool Contains(const std::vector<WindowId>& windows, WindowId window) {
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

// True when the window's handler ran and returned true.
bool AsksAgain(WindowId window, std::int32_t elapsed) {
  EventRequest request{window, kWindowOwnRecordId, kIdleEvent, {Value(elapsed)}};
  return RaiseEvent(request) && request.result_present && request.result != 0;
}

}  // namespace

bool AddIdleRoutine(WindowId window, IdleRoutine routine, std::uintptr_t argument) {
  auto same_window = [&](const IdleEntry& entry) { return entry.window == window; };
  if (std::any_of(idle_routines.begin(), idle_routines.end(), same_window)) return false;
  idle_routines.push_back({window, routine, argument});
  return true;
}

void RemoveIdleRoutine(WindowId window) {
  std::erase_if(idle_routines, [&](const IdleEntry& entry) { return entry.window == window; });
}

void DropIdleRoutines() { idle_routines.clear(); }

void CallIdleRoutines() {
  std::erase_if(idle_routines, [](const IdleEntry& entry) { return !WindowIsOpen(entry.window); });
  // A routine may add or remove entries, so the calls walk a copy.
  const std::vector<IdleEntry> entries = idle_routines;
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    if (WindowIsOpen(entry->window)) entry->routine(entry->argument);
  }
}

bool IdleWork::Pass(int count) {
  if (count == 0) {
    period_start_ = platform::TickCount();
    declined_.clear();
  }
  if (count < kFirstIdleEventPass) return true;
  const auto elapsed = static_cast<std::int32_t>(platform::TickCount() - period_start_);
  bool more_wanted = false;
  // A handler may close windows, so the pass walks a copy.
  const std::vector<WindowId> windows = Runtime().open_windows;
  for (WindowId window : windows) {
    if (Contains(declined_, window) || !WindowIsOpen(window)) continue;
    if (AsksAgain(window, elapsed)) {
      more_wanted = true;
    } else {
      declined_.push_back(window);
    }
  }
  return more_wanted;
}

}  // namespace vorlix::core
