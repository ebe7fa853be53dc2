#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "runtime/core/values/identifiers.h"
#include "runtime/core/template/program_header.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// What the runtime keeps for the whole run: start-up fills it, the orderly
// end empties it. Everything here belongs to the window thread, except the
// atomics, which another thread's end request reads.
struct RuntimeState {
  ProgramHeader header;
  // Every window record of the program, read from the template segment.
  TemplateSegment windows;
  // The windows whose native window exists now, in the order they were built.
  std::vector<WindowId> open_windows;
  void (*exit_routine)() = nullptr;
  std::atomic<std::uint32_t> window_thread{0};
  std::atomic<bool> loop_started{false};
  std::atomic<bool> ending{false};
};

RuntimeState& Runtime();

bool WindowIsOpen(WindowId window);

}  // namespace vorlix::core
