// The keyboard on the built main window: Tab and Shift+Tab walk the focus
// order, Esc closes the window, Enter moves nothing.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/gbk_codec.h"
#include "runtime/core/state/live_windows.h"
#include "runtime/core/events/message_loop.h"
#include "runtime/core/template/template_loader.h"
#include "tests/template_data/main_window_layout.h"
#include "tests/win32/main_window_fixture.h"

namespace vorlix::test {
namespace {

namespace layout = tests::main_window_layout;

void SetShift(bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

class MainWindowKeyboard : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_TRUE(Build());
  }
  void TearDown() override {
    SetShift(false);
    MainWindowTest::TearDown();
  }

  void Key(UINT key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
    core::ProcessPendingMessages();
  }

  // The unit that has the focus (a list view's own window, not an inner one).
  std::u16string Focused() const {
    auto unit = core::UnitContainingWindowHandle(reinterpret_cast<platform::WindowHandle>(GetFocus()));
    if (!unit) return u"(none)";
    return platform::GbkToUtf16(core::FindRecord(Window(), unit->unit)->Unit()->name);
  }

  std::vector<std::u16string> FocusAfterTabs(std::size_t presses) {
    std::vector<std::u16string> order{Focused()};
    for (std::size_t i = 0; i < presses; ++i) {
      Key(VK_TAB);
      order.push_back(Focused());
    }
    return order;
  }

  void EnableNotFoundButton() { EnableWindow(Unit(u"按钮_未搜索到文件"), TRUE); }
};

std::vector<std::u16string> FocusOrderFromFirst(std::size_t wraps_to = 0) {
  std::vector<std::u16string> order(std::begin(layout::kFocusOrder), std::end(layout::kFocusOrder));
  order.push_back(order[wraps_to]);
  return order;
}

TEST_F(MainWindowKeyboard, the_name_box_has_the_focus_when_the_window_opens) {
  EXPECT_EQ(Focused(), u"编辑框_文件名");
}

TEST_F(MainWindowKeyboard, tab_walks_the_whole_focus_order_and_wraps_to_the_name_box) {
  EnableNotFoundButton();
  SetFocus(Unit(u"编辑框_文件名"));
  EXPECT_EQ(FocusAfterTabs(std::size(layout::kFocusOrder)), FocusOrderFromFirst());
}

TEST_F(MainWindowKeyboard, shift_tab_walks_it_backwards) {
  EnableNotFoundButton();
  SetFocus(Unit(u"编辑框_文件名"));
  SetShift(true);
  std::vector<std::u16string> backwards = FocusAfterTabs(std::size(layout::kFocusOrder));
  std::reverse(backwards.begin(), backwards.end());
  EXPECT_EQ(backwards, FocusOrderFromFirst());
}

TEST_F(MainWindowKeyboard, the_disabled_not_found_button_is_passed_over) {
  SetFocus(Unit(u"按钮_搜索路径"));
  Key(VK_TAB);
  EXPECT_EQ(Focused(), u"单选框_整个电脑");
}

TEST_F(MainWindowKeyboard, enter_moves_no_focus) {
  SetFocus(Unit(u"超级列表框1"));
  Key(VK_RETURN);
  EXPECT_EQ(Focused(), u"超级列表框1");
}

TEST_F(MainWindowKeyboard, esc_closes_the_window_and_runs_its_destroy_handler) {
  SetFocus(Unit(u"超级列表框1"));
  core::ProcessPendingMessages();
  TakeCalls();
  Key(VK_ESCAPE);
  EXPECT_EQ(core::FindLiveWindow(core::kMainWindowId), nullptr);
  EXPECT_EQ(TakeCalls(), std::vector<std::string_view>{"SaveStateAtClose"});
}

}  // namespace
}  // namespace vorlix::test
