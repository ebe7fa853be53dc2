#pragma once

// Answers a modal dialog of this thread from inside its own message loop:
// a thread timer finds the dialog once it shows, notes what it shows, and
// presses a button of it.
#include <windows.h>

#include <functional>
#include <string>

namespace vorlix::testing {

class DialogDriver {
 public:
  // `look` runs once with the dialog before `button` is pressed.
  DialogDriver(int button, std::function<void(HWND dialog)> look = {}) : button_(button), look_(std::move(look)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 30, Tick);
  }
  ~DialogDriver() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  DialogDriver(const DialogDriver&) = delete;
  DialogDriver& operator=(const DialogDriver&) = delete;

  bool answered() const { return answered_; }

 private:
  static BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    wchar_t name[16];
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
    return TRUE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    DialogDriver* driver = current_;
    if (driver == nullptr || driver->answered_) return;
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr) return;
    // Answer one tick after the dialog first shows, so that a dialog still
    // filling itself (the folder browser's tree under load) is complete.
    if (!driver->seen_) {
      driver->seen_ = true;
      return;
    }
    driver->answered_ = true;
    if (driver->look_) driver->look_(dialog);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(driver->button_, BN_CLICKED), 0);
  }

  static inline DialogDriver* current_ = nullptr;
  int button_;
  std::function<void(HWND)> look_;
  UINT_PTR timer_ = 0;
  bool seen_ = false;
  bool answered_ = false;
};

inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace vorlix::testing
