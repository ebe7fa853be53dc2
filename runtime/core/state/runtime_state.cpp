#include "runtime/core/state/runtime_state.h"

#include <algorithm>

#include "runtime/core/state/program_end.h"

namespace vorlix::core {

RuntimeState& Runtime() {
  static RuntimeState state;
  return state;
}

bool WindowIsOpen(WindowId window) {
  const auto& open = Runtime().open_windows;
  return std::find(open.begin(), open.end(), window) != open.end();
}

void SetExitRoutine(void (*routine)()) { Runtime().exit_routine = routine; }

}  // namespace vorlix::core
