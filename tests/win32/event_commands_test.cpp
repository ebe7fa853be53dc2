#include "runtime/commands/event_commands.h"

#include <gtest/gtest.h>

#include "test_windows.h"

namespace vorlix::commands {
namespace {

// Counts the messages that reach it.
LRESULT CALLBACK CountingProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_APP) ++*reinterpret_cast<int*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return DefWindowProcW(window, message, wparam, lparam);
}

class ProcessEventsTest : public ::testing::Test {
 protected:
  ProcessEventsTest() {
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProcedure));
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&delivered_));
    vorlix::testing::PumpMessages();
  }
  ~ProcessEventsTest() override {
    MSG left;
    while (PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  vorlix::testing::OwnedWindow window_{vorlix::testing::MakeTopLevelWindow(0, 0, 50, 50, false)};
  int delivered_ = 0;
};

TEST_F(ProcessEventsTest, dispatches_every_waiting_message) {
  PostMessageW(window_, WM_APP, 0, 0);
  PostMessageW(window_, WM_APP, 0, 0);

  ProcessEvents();

  EXPECT_EQ(delivered_, 2);
}

TEST_F(ProcessEventsTest, leaves_the_quit_message_queued_for_the_message_loop) {
  PostMessageW(window_, WM_APP, 0, 0);
  PostQuitMessage(7);

  ProcessEvents();

  EXPECT_EQ(delivered_, 1);
  MSG next;
  ASSERT_TRUE(PeekMessageW(&next, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(next.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(next.wParam, 7u);
}

}  // namespace
}  // namespace vorlix::commands
