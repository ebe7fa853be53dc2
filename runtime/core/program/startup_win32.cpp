#include "runtime/core/program/startup.h"

#include "platform/hidden_owner_window.h"
#include "platform/ole.h"
#include "platform/process.h"
#include "runtime/core/program/external_functions.h"
#include "runtime/core/values/fatal_error.h"
#include "runtime/core/program/library_notices.h"
#include "runtime/core/state/program_end.h"
#include "runtime/core/program/program_location.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/program/window_builder.h"
#include "texts.h"

namespace vorlix::core {
namespace {

// "C:" alone names the drive's current folder, not its root.
std::string FolderPath(const std::string& directory) {
  const bool bare_drive = directory.size() == 2 && directory[1] == ':';
  return bare_drive ? directory + "\\" : directory;
}

void EnterProgramFolder() {
  const std::string& directory = ThisProgram().directory;
  if (!directory.empty()) platform::SetCurrentDirectoryTo(FolderPath(directory));
}

}  // namespace

void RunApplication(StartRoutine start) {
  start();
  EndProgram(0);
}

void InitialiseRuntime(const ProgramHeader& header) {
  RuntimeState& state = Runtime();
  state.header = header;
  platform::InitialiseOle();
  EnterProgramFolder();
  platform::CreateHiddenOwnerWindow();
  state.window_thread = platform::CurrentThreadId();
  const std::string& directory = ThisProgram().directory;
  CreateExternalFunctions(header.external_functions, {"", directory, directory + "\\"});
  NotifyLibraries(header.libraries, LibraryNotice::kRuntimeStarted);
  state.windows = LoadSegment(header.template_segment, header.code_base);
}

void LoadStartWindow(WindowId window) {
  if (!BuildWindow({window})) FatalError(texts::kStartWindowFailed);
}

}  // namespace vorlix::core
