#pragma once

// Loads window descriptions as the program loads its template segment, with
// a handler table of recording routines, and cleans every window away.
#include <windows.h>
// The runtime's own FindWindow (a window record by id) would be renamed.
#undef FindWindow

#include <cstdint>
#include <string>
#include <vector>

#include "platform/wide_text.h"
#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/state/live_windows.h"
#include "tools/template_generator/window_description.h"

namespace vorlix::test {

// One call of a recording handler.
struct HandlerCall {
  std::string handler;
  core::WindowId window = 0;
  core::UnitId unit = 0;
  std::vector<core::Value> arguments;
};

// The handlers a description may name. Each records its call; "Refuse"
// also returns 0 (false), "Accept" 1, "ReturnB" the character code of B.
inline constexpr const char* kRecordingHandlers[] = {"Record", "Refuse", "Accept", "RecordOther", "RecordThird",
                                                     "ReturnB"};

std::vector<HandlerCall>& HandlerCalls();
// The names of the handlers called, in order.
std::vector<std::string> CalledHandlers();

// Generates the segment of the description, loads it against the recording
// handlers and makes it the program's windows.
void LoadDescription(const tools::TemplateDescription& description);
tools::TemplateDescription NewDescription();

// Destroys every window that is still open and forgets the loaded windows.
void CloseAllWindows();

// Dispatches this thread's waiting messages.
void PumpMessages();
// Dispatches messages until `done` holds or the time runs out.
template <class Done>
bool PumpUntil(Done done, int milliseconds = 2000) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  while (!done()) {
    if (GetTickCount64() > end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    PumpMessages();
  }
  return true;
}

HWND WindowOf(core::WindowId window, core::UnitId unit = 0);
std::string Gbk(const wchar_t* text);

}  // namespace vorlix::test
