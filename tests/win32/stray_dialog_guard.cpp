// Fails a test that leaves a dialog open, rather than letting the dialog
// hold the whole suite.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "tests/win32/dialog_driver.h"

namespace vorlix::testing {
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
      HWND dialog = VisibleDialogOf(test_thread);
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
