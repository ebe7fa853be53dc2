#pragma once

#include <cstdint>
#include <vector>

#include "runtime/core/values/identifiers.h"

namespace vorlix::core {

// What the message loop does while no message is waiting.

// A routine that a unit type runs whenever the queue runs dry, while its
// window exists.
using IdleRoutine = void (*)(std::uintptr_t argument);

// False when the window has one already.
bool AddIdleRoutine(WindowId window, IdleRoutine routine, std::uintptr_t argument);
void RemoveIdleRoutine(WindowId window);
void DropIdleRoutines();
// Newest first; a routine whose window has gone is dropped instead.
void CallIdleRoutines();

// The passes of one idle period raise the idle event (7) of every open
// window with the milliseconds since the period began. A window whose
// handler does not return true is not asked again in that period.
class IdleWork {
 public:
  // Pass `count` of the period: 0 begins a new period. True while more idle
  // work is wanted.
  bool Pass(int count);

 private:
  std::uint32_t period_start_ = 0;
  std::vector<WindowId> declined_;
};

}  // namespace vorlix::core
