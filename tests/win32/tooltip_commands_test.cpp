#include "runtime/commands/tooltip_commands.h"

#include <gtest/gtest.h>

#include "platform/tooltips.h"
#include "platform/wide_text.h"
#include "runtime/commands/window_handle_integer.h"
#include "test_windows.h"

// The tooltip window lives as long as the program, so these tests share it:
// each looks at the tools it adds itself.
namespace vorlix::commands {
namespace {

HWND ToolTipWindow() { return reinterpret_cast<HWND>(platform::ProgramToolTipWindow()); }

int ToolCount() { return static_cast<int>(SendMessageW(ToolTipWindow(), TTM_GETTOOLCOUNT, 0, 0)); }

std::wstring TipOf(HWND tool) {
  wchar_t text[256] = {};
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = GetParent(tool) != nullptr ? GetParent(tool) : tool;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = text;
  SendMessageW(ToolTipWindow(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&info));
  return text;
}

class AddToolTipTest : public ::testing::Test {
 protected:
  vorlix::testing::OwnedWindow window_{vorlix::testing::MakeTopLevelWindow(0, 0, 200, 100, false)};
  HWND button_ = vorlix::testing::MakeChildControl(window_, L"BUTTON", BS_PUSHBUTTON);
  std::int32_t button_handle_ = IntegerOfNativeWindow(reinterpret_cast<std::uintptr_t>(button_));
};

TEST_F(AddToolTipTest, window_handle_0_gives_0_and_adds_nothing) {
  const HWND before = ToolTipWindow();
  const int tools = before != nullptr ? ToolCount() : 0;

  EXPECT_EQ(AddToolTip(0, "tip"), 0);

  EXPECT_EQ(ToolTipWindow(), before) << "no tooltip window is made for handle 0";
  if (before != nullptr) EXPECT_EQ(ToolCount(), tools);
}

TEST_F(AddToolTipTest, the_result_is_the_previous_maximum_width_which_is_set_beyond_any_screen) {
  const std::int32_t first = AddToolTip(button_handle_, "a");
  const std::int32_t second = AddToolTip(button_handle_, "b");

  EXPECT_TRUE(first == -1 || first == second) << "-1 only for the program's very first tool";
  EXPECT_GT(second, GetSystemMetrics(SM_CXVIRTUALSCREEN));
}

TEST_F(AddToolTipTest, every_call_adds_a_tool_with_the_tip_text) {
  AddToolTip(button_handle_, platform::Narrow(L"只搜目录名\r\n第二行"));
  const int tools = ToolCount();

  AddToolTip(button_handle_, "again");

  EXPECT_EQ(ToolCount(), tools + 1);
  EXPECT_EQ(TipOf(button_), L"只搜目录名\r\n第二行") << "the first tool of the window is found first";
}

TEST_F(AddToolTipTest, the_tooltip_window_shows_tips_when_inactive_and_keeps_ampersands) {
  AddToolTip(button_handle_, "a&b");

  const auto style = static_cast<DWORD>(GetWindowLongW(ToolTipWindow(), GWL_STYLE));
  EXPECT_EQ(style & (TTS_ALWAYSTIP | TTS_NOPREFIX), static_cast<DWORD>(TTS_ALWAYSTIP | TTS_NOPREFIX));
}

}  // namespace
}  // namespace vorlix::commands
