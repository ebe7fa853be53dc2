#include "tests/win32/dialog_driver.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <thread>

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
  HWND dialog = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindVisibleDialog, reinterpret_cast<LPARAM>(&dialog));
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

namespace {

// A dialog that no test answers would hold the whole suite in its modal
// loop until the run is killed, naming nothing. One of the test thread's
// dialogs still showing after a minute fails the test that opened it and
// is cancelled. The watch is a thread of its own, so that the test thread
// sees no message it did not ask for.
class StrayDialogGuard : public ::testing::Environment {
 public:
  void SetUp() override {
    watch_ = std::jthread([test_thread = GetCurrentThreadId()](std::stop_token stop) { Watch(test_thread, stop); });
  }
  void TearDown() override { watch_ = {}; }

 private:
  static constexpr ULONGLONG kStrayAfter = 60000;

  static void Watch(DWORD test_thread, const std::stop_token& stop) {
    HWND seen = nullptr;
    ULONGLONG since = GetTickCount64();
    while (!stop.stop_requested()) {
      Sleep(500);
      HWND dialog = nullptr;
      EnumThreadWindows(test_thread, FindVisibleDialog, reinterpret_cast<LPARAM>(&dialog));
      if (dialog != seen) {
        seen = dialog;
        since = GetTickCount64();
      } else if (dialog != nullptr && GetTickCount64() - since > kStrayAfter) {
        ADD_FAILURE() << "a dialog that no step answered: \"" << Utf8(WindowText(dialog)) << "\"";
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        since = GetTickCount64();
      }
    }
  }
  static std::string Utf8(const std::wstring& text) {
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                             utf8.data(), static_cast<int>(utf8.size()), nullptr,
                                                             nullptr)));
    return utf8;
  }
  std::jthread watch_;
};

[[maybe_unused]] ::testing::Environment* const stray_dialog_guard =
    ::testing::AddGlobalTestEnvironment(new StrayDialogGuard);

}  // namespace

}  // namespace vorlix::testing
