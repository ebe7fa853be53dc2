#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/core/identifiers.h"
#include "runtime/core/template_loader.h"
#include "runtime/core/template_records.h"

namespace vorlix::core {

// The run mode in which every fatal error stops in the debugger after its box.
constexpr std::uint32_t kDebugRunMode = 2;

// What the runtime keeps for the whole run: start-up fills it, the orderly
// end empties it. Everything here belongs to the window thread, except the
// two flags that another thread's end request reads.
struct RuntimeState {
  std::uint32_t run_mode = 0;
  std::string program_directory;  // without trailing backslash
  std::string program_file_name;
  std::string module_folder;  // with trailing backslash
  // Every window record of the program, read from the template segment.
  TemplateSegment windows;
  // The application's handler table, into which the relocated handler words point.
  ApplicationCodeBase code_base;
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
