#pragma once

// Answers the modal dialogs of this thread from inside their own message
// loops: a thread timer finds each dialog once it shows, lets a step look
// at it, and presses a button of it.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vorlix::testing {

// Answers the modal dialogs of this thread one after another, from inside
// their own message loops: each step looks at its dialog until it is ready
// (true), then presses a button, then may post more. A dialog that never
// gets ready, or one past the last step, is cancelled; the latter counted.
class DialogAnswers {
 public:
  struct Step {
    int button;
    std::function<bool(HWND dialog)> look;
    std::function<void()> after = {};
  };
  explicit DialogAnswers(std::vector<Step> steps);
  ~DialogAnswers();
  DialogAnswers(const DialogAnswers&) = delete;
  DialogAnswers& operator=(const DialogAnswers&) = delete;

  std::size_t answered() const { return next_; }
  int unexpected() const { return unexpected_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  HWND last_ = nullptr;
  bool seen_ = false;
  ULONGLONG first_look_ = 0;  // when the current step first looked; 0 before
  int unexpected_ = 0;
  UINT_PTR timer_ = 0;
};

// One dialog: `look` runs once with it before `button` is pressed.
class DialogDriver {
 public:
  explicit DialogDriver(int button, std::function<void(HWND dialog)> look = {})
      : answers_({{button, [look = std::move(look)](HWND dialog) {
                    if (look) look(dialog);
                    return true;
                  }}}) {}

  bool answered() const { return answers_.answered() == 1; }

 private:
  DialogAnswers answers_;
};

// Types the file's name into a save dialog's name field; false while the
// dialog has none yet.
inline bool FillSaveName(HWND dialog, const std::wstring& file) {
  HWND name = GetDlgItem(dialog, 0x47C);  // cmb13, the name field
  if (name == nullptr) name = GetDlgItem(dialog, 0x480);
  if (name == nullptr) return false;
  SetWindowTextW(name, file.c_str());
  return true;
}

// The first visible dialog of the thread; none when it shows none.
HWND VisibleDialogOf(DWORD thread);

inline std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace vorlix::testing
