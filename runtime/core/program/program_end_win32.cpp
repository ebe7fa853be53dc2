#include "runtime/core/state/program_end.h"

#include <utility>

#include "platform/hidden_owner_window.h"
#include "platform/message_box.h"
#include "platform/ole.h"
#include "platform/process.h"
#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/program/external_functions.h"
#include "runtime/core/events/idle_work.h"
#include "runtime/core/program/library_notices.h"
#include "runtime/core/state/runtime_state.h"
#include "texts.h"

namespace vorlix::core {
namespace {

// The window records stay: the process ends right after, and window code
// that runs while the native windows are torn down may still look them up.
void CleanUp() {
  RuntimeState& state = Runtime();
  DropIdleRoutines();
  if (auto routine = std::exchange(state.exit_routine, nullptr)) routine();
  NotifyLibraries(state.header.libraries, LibraryNotice::kProgramEnds);
  UnloadExternalFunctions();
  platform::DestroyHiddenOwnerWindow();
  platform::ReleaseOle();
}

// Another thread hands the end to the window thread, which ends the process
// once it has cleaned up. Only when there is no window thread to ask does
// this thread end the process itself.
[[noreturn]] void HandOverEnd(int exit_code) {
  if (!Runtime().ending && platform::PostEndRequest(exit_code)) platform::WaitForProcessEnd();
  if (Runtime().ending) platform::WaitForProcessEnd();
  platform::ExitProcessNow(exit_code);
}

}  // namespace

void ShowFatalErrorBox(const std::string& gbk_text) {
  platform::ShowErrorBox(gbk_text, std::string(texts::kErrorTitle));
}

void EndProgram(int exit_code) {
  SuspendEventDelivery();
  if (platform::CurrentThreadId() != Runtime().window_thread) HandOverEnd(exit_code);
  // An end that begins while one is under way (a fatal error in the exit
  // routine) only ends the process.
  if (!Runtime().ending.exchange(true)) CleanUp();
  platform::ExitProcessNow(exit_code);
}

}  // namespace vorlix::core
