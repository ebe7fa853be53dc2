#pragma once

#include "runtime/core/values/identifiers.h"
#include "runtime/core/template/program_header.h"

namespace vorlix::core {

// The application's start routine: initialises the runtime, prepares the
// application's own state, loads the start window and runs the message
// loop; returns 0 once the loop has ended.
using StartRoutine = int (*)();

// The process entry's part: runs the start routine on this thread (which
// becomes the window thread), then ends the program in order with exit
// code 0.
[[noreturn]] void RunApplication(StartRoutine start);

// The first thing the start routine does: makes the program's folder the
// current directory, prepares the component-object library, the hidden
// owner window, the external-function table and the support libraries,
// and loads the window records ("载入窗口模板数据段出错!" when the segment
// cannot be read).
void InitialiseRuntime(const ProgramHeader& header);

// Builds the start window; "载入启动窗口失败" when it has no record or its
// build fails.
void LoadStartWindow(WindowId window);

}  // namespace vorlix::core
