// The keyboard on the built main window: Tab and Shift+Tab walk the focus
// order, Esc closes the window, Enter moves nothing, Ctrl+A selects all
// of the name box.
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

void SetModifier(int key, bool down) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[key] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}
void SetShift(bool down) { SetModifier(VK_SHIFT, down); }
void SetCtrl(bool down) { SetModifier(VK_CONTROL, down); }

void PutTextOnClipboard(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(block)));
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

class MainWindowKeyboard : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_TRUE(Build());
  }
  void TearDown() override {
    SetShift(false);
    SetCtrl(false);
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

// Wine's edit control leaves Ctrl+A to its owner; the box selects all
// itself, and a paste then replaces the whole text. A plain A still types.
TEST_F(MainWindowKeyboard, ctrl_a_in_the_name_box_selects_all_and_a_paste_replaces_it) {
  HWND names = Unit(u"编辑框_文件名");
  SetWindowTextW(names, L"one\r\ntwo\r\n");
  SetFocus(names);
  SendMessageW(names, EM_SETSEL, 2, 2);
  SetCtrl(true);
  Key('A');
  DWORD start = 1, end = 0;
  SendMessageW(names, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 10u) << "Ctrl+A did not select the whole text";
  PutTextOnClipboard(names, L"\x62a5\x544a.txt");
  Key('V');
  SetCtrl(false);
  EXPECT_EQ(TextOf(names), L"\x62a5\x544a.txt") << "the paste did not replace the selection";
  SendMessageW(names, EM_SETSEL, 6, 6);
  Key('A');
  EXPECT_EQ(TextOf(names), L"\x62a5\x544a.txta") << "a plain A did not type at the caret";
}

}  // namespace
}  // namespace vorlix::test
