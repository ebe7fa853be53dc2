#include "app/mainwindow/start_routine.h"

#include "app/mainwindow/program_header.h"
#include "app/search/search_globals.h"
#include "runtime/core/message_loop.h"
#include "runtime/core/program_end.h"
#include "runtime/core/startup.h"

namespace vorlix::app {

int StartRoutine() {
  core::InitialiseRuntime(ApplicationHeader());
  CreateGlobalArrays();
  core::SetExitRoutine(FreeGlobalArrays);
  core::LoadStartWindow(core::kMainWindowId);
  core::RunMessageLoop();
  return 0;
}

}  // namespace vorlix::app
