#include "app/mainwindow/start_routine.h"

#include "app/mainwindow/program_header.h"
#include "app/search/folder_index_use.h"
#include "app/search/folder_name_search.h"
#include "app/search/search_globals.h"
#include "runtime/core/events/message_loop.h"
#include "runtime/core/state/program_end.h"
#include "runtime/core/program/startup.h"

namespace vorlix::app {
namespace {

// A folder-name search still running is ended before what it reads goes,
// and what the searches kept in the folder index is written.
void ExitRoutine() {
  EndFolderNameSearch();
  FinishFolderIndex();
  FreeGlobalArrays();
}

}  // namespace

int StartRoutine() {
  core::InitialiseRuntime(ApplicationHeader());
  CreateGlobalArrays();
  core::SetExitRoutine(ExitRoutine);
  core::LoadStartWindow(core::kMainWindowId);
  core::RunMessageLoop();
  return 0;
}

}  // namespace vorlix::app
