#include "tests/win32/dialog_driver.h"

#include <string_view>

namespace vorlix::testing {
namespace {

DialogAnswers* current = nullptr;

// A dialog not ready after this long is cancelled: on a slow machine the
// folder browser's first tree can take seconds to fill.
constexpr ULONGLONG kLongestLook = 20000;

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found) {
  wchar_t name[16];
  GetClassNameW(window, name, 16);
  if (std::wstring_view(name) == L"#32770" && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

DialogAnswers::DialogAnswers(std::vector<Step> steps) : steps_(std::move(steps)) {
  current = this;
  timer_ = SetTimer(nullptr, 0, 30, Tick);
}

DialogAnswers::~DialogAnswers() {
  KillTimer(nullptr, timer_);
  current = nullptr;
}

// A dialog is answered one tick after it first shows, so that it is
// complete; the next one is looked for once the answered one has gone.
void CALLBACK DialogAnswers::Tick(HWND, UINT, UINT_PTR, DWORD) {
  DialogAnswers* answers = current;
  if (answers == nullptr) return;
  if (answers->last_ != nullptr && IsWindow(answers->last_)) return;
  HWND dialog = VisibleDialogOf(GetCurrentThreadId());
  if (dialog == nullptr) return;
  if (!answers->seen_) {
    answers->seen_ = true;
    return;
  }
  answers->seen_ = false;
  answers->last_ = dialog;
  if (answers->next_ == answers->steps_.size()) {
    ++answers->unexpected_;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return;
  }
  const Step& step = answers->steps_[answers->next_];
  // A dialog that never gets ready is cancelled rather than left waiting.
  const bool ready = !step.look || step.look(dialog);
  if (answers->first_look_ == 0) answers->first_look_ = GetTickCount64();
  if (!ready && GetTickCount64() - answers->first_look_ < kLongestLook) {
    answers->last_ = nullptr;
    return;
  }
  ++answers->next_;
  answers->first_look_ = 0;
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(ready ? step.button : IDCANCEL, BN_CLICKED), 0);
  if (ready && step.after) step.after();
}

HWND VisibleDialogOf(DWORD thread) {
  HWND dialog = nullptr;
  EnumThreadWindows(thread, FindVisibleDialog, reinterpret_cast<LPARAM>(&dialog));
  return dialog;
}

}  // namespace vorlix::testing
