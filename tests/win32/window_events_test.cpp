// Events from real window messages: the common mouse and keyboard events,
// the window's and the units' own events, and the window's keys.
#include <gtest/gtest.h>

#include "runtime/core/events/message_loop.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "runtime/core/program/window_builder.h"
#include "tests/win32/sample_window.h"
#include "tests/win32/window_test_support.h"
#include <commctrl.h>

namespace vorlix::test {
namespace {

using namespace core;
using namespace sample;

std::vector<std::int32_t> Integers(const HandlerCall& call) {
  std::vector<std::int32_t> integers;
  for (const auto& argument : call.arguments) integers.push_back(*argument.get_if<std::int32_t>());
  return integers;
}

class WindowEvents : public ::testing::Test {
 protected:
  void SetUp() override {
    description_ = NewDescription();
    window_ = &DescribeSampleWindow(description_);
  }
  void TearDown() override {
    SetModifiers(false, false, false);
    CloseAllWindows();
  }

  tools::UnitDescription& Describe(UnitId unit) { return UnitIn(*window_, unit); }
  tools::UnitDescription& DescribeFrame() { return window_->Frame(); }

  void Build() {
    LoadDescription(description_);
    ASSERT_TRUE(BuildWindow({kSampleWindow}));
    ProcessPendingMessages();
    HandlerCalls().clear();
  }

  HWND Unit(UnitId unit) const { return WindowOf(kSampleWindow, unit); }
  HWND Frame() const { return WindowOf(kSampleWindow); }

  void Post(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
    PostMessageW(window, message, wparam, lparam);
    ProcessPendingMessages();
  }

  // A press and its release are queued together: a list view follows the
  // mouse from the press until the release, in a loop of its own.
  void Click(HWND window, UINT down, UINT up, LPARAM position) {
    PostMessageW(window, down, down == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON, position);
    PostMessageW(window, up, 0, position);
    ProcessPendingMessages();
  }

  // What GetKeyState reports to the window thread from now on.
  static void SetModifiers(bool ctrl, bool shift, bool alt) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    keys[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(keys);
  }

  // The calls of one handler.
  static std::vector<HandlerCall> CallsOf(const std::string& handler) {
    std::vector<HandlerCall> calls;
    for (const auto& call : HandlerCalls()) {
      if (call.handler == handler) calls.push_back(call);
    }
    return calls;
  }

  tools::TemplateDescription description_;
  tools::WindowDescription* window_ = nullptr;
};

TEST_F(WindowEvents, mouse_presses_give_client_position_and_key_state) {
  Describe(kListView).On(-1, "RecordOther").On(-2, "RecordThird");
  Build();
  SetModifiers(true, false, false);
  PostMessageW(Unit(kListView), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(40, 30));
  Post(Unit(kListView), WM_LBUTTONUP, MK_CONTROL, MAKELPARAM(41, 31));
  ASSERT_EQ(CallsOf("RecordOther").size(), 1u);
  EXPECT_EQ(Integers(CallsOf("RecordOther")[0]), (std::vector<std::int32_t>{40, 30, 1}));
  EXPECT_EQ(CallsOf("RecordOther")[0].unit, kListView);
  ASSERT_EQ(CallsOf("RecordThird").size(), 1u);
  EXPECT_EQ(Integers(CallsOf("RecordThird")[0]), (std::vector<std::int32_t>{41, 31, 1}));
}

TEST_F(WindowEvents, right_button_double_click_and_move_events) {
  Describe(kListView).On(-3, "RecordOther").On(-6, "Accept");
  // A list view takes the release itself, in the loop that follows a press.
  Describe(kListBox).On(-5, "RecordThird");
  Build();
  Click(Unit(kListView), WM_RBUTTONDOWN, WM_RBUTTONUP, MAKELPARAM(10, 60));
  Click(Unit(kListBox), WM_RBUTTONDOWN, WM_RBUTTONUP, MAKELPARAM(10, 20));
  Post(Unit(kListView), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(12, 62));
  Post(Unit(kListView), WM_MOUSEMOVE, 0, MAKELPARAM(65535, 3));
  ASSERT_EQ(CallsOf("Record").size(), 1u) << "the stored right-button binding";
  EXPECT_EQ(Integers(CallsOf("Record")[0]), (std::vector<std::int32_t>{10, 60, 0}));
  EXPECT_EQ(CallsOf("RecordThird").size(), 1u);
  ASSERT_EQ(CallsOf("RecordOther").size(), 1u);
  EXPECT_EQ(Integers(CallsOf("RecordOther")[0]), (std::vector<std::int32_t>{12, 62, 0}));
  ASSERT_FALSE(CallsOf("Accept").empty());
  EXPECT_EQ(Integers(CallsOf("Accept").back()), (std::vector<std::int32_t>{65535, 3, 0}))
      << "coordinates are unsigned halves";
}

TEST_F(WindowEvents, a_press_answered_false_is_swallowed_and_one_answered_nothing_goes_on) {
  Describe(kListView).On(-1, "Refuse");
  Describe(kListBox).On(-1, "Record");
  Build();
  const int row_height = static_cast<int>(SendMessageW(Unit(kListBox), LB_GETITEMHEIGHT, 0, 0));
  Click(Unit(kListView), WM_LBUTTONDOWN, WM_LBUTTONUP, MAKELPARAM(60, 28));
  EXPECT_EQ(SendMessageW(Unit(kListView), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), -1);
  Click(Unit(kListBox), WM_LBUTTONDOWN, WM_LBUTTONUP, MAKELPARAM(20, row_height + 2));
  EXPECT_EQ(SendMessageW(Unit(kListBox), LB_GETCURSEL, 0, 0), 1);
}

TEST_F(WindowEvents, a_message_to_an_inner_window_counts_for_its_unit) {
  Build();
  HWND header = reinterpret_cast<HWND>(SendMessageW(Unit(kListView), LVM_GETHEADER, 0, 0));
  Click(header, WM_RBUTTONDOWN, WM_RBUTTONUP, MAKELPARAM(7, 8));
  ASSERT_EQ(CallsOf("Record").size(), 1u);
  EXPECT_EQ(CallsOf("Record")[0].unit, kListView);
  EXPECT_EQ(Integers(CallsOf("Record")[0]), (std::vector<std::int32_t>{7, 8, 0})) << "the header's own position";
}

TEST_F(WindowEvents, keys_give_key_codes_with_keypad_digits_as_main_digits) {
  Describe(kEditBox).On(-9, "RecordOther").On(-10, "RecordThird");
  Build();
  SetFocus(Unit(kEditBox));
  SetModifiers(false, true, false);
  Post(Unit(kEditBox), WM_KEYDOWN, VK_NUMPAD5, 1);
  Post(Unit(kEditBox), WM_KEYUP, VK_SUBTRACT, 0xC0000001);
  Post(Unit(kEditBox), WM_KEYDOWN, VK_SHIFT, 1);
  ASSERT_EQ(CallsOf("RecordOther").size(), 2u);
  EXPECT_EQ(Integers(CallsOf("RecordOther")[0]), (std::vector<std::int32_t>{'5', 2}));
  EXPECT_EQ(Integers(CallsOf("RecordOther")[1]), (std::vector<std::int32_t>{VK_SHIFT, 0}))
      << "the Shift key does not report itself";
  ASSERT_EQ(CallsOf("RecordThird").size(), 1u);
  EXPECT_EQ(Integers(CallsOf("RecordThird")[0]), (std::vector<std::int32_t>{189, 2}));
}

TEST_F(WindowEvents, a_key_answered_false_does_not_reach_the_box) {
  Describe(kSingleLineEdit).On(-9, "Refuse");
  Build();
  SetFocus(Unit(kSingleLineEdit));
  SendMessageW(Unit(kSingleLineEdit), EM_SETSEL, 0, 0);
  Post(Unit(kSingleLineEdit), WM_KEYDOWN, VK_DELETE, 1);
  wchar_t text[16];
  GetWindowTextW(Unit(kSingleLineEdit), text, 16);
  EXPECT_STREQ(text, L"单行");
}

TEST_F(WindowEvents, a_character_is_replaced_by_a_returned_value_or_swallowed_by_0) {
  Describe(kSingleLineEdit).On(-11, "ReturnB");
  Describe(kEditBox).On(-11, "Refuse");
  Build();
  SetWindowTextW(Unit(kSingleLineEdit), L"");
  Post(Unit(kSingleLineEdit), WM_CHAR, 'a', 1);
  ASSERT_EQ(CallsOf("ReturnB").size(), 1u);
  EXPECT_EQ(Integers(CallsOf("ReturnB")[0]), (std::vector<std::int32_t>{'a'}));
  wchar_t text[16];
  GetWindowTextW(Unit(kSingleLineEdit), text, 16);
  EXPECT_STREQ(text, L"B");
  Post(Unit(kEditBox), WM_CHAR, 'a', 1);
  GetWindowTextW(Unit(kEditBox), text, 16);
  EXPECT_STREQ(text, L"");
}

TEST_F(WindowEvents, the_wheel_gives_signed_notches) {
  Describe(kListView).On(-12, "RecordOther");
  Build();
  Post(Unit(kListView), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), MAKELPARAM(500, 500));
  ASSERT_EQ(CallsOf("RecordOther").size(), 1u);
  EXPECT_EQ(Integers(CallsOf("RecordOther")[0]), (std::vector<std::int32_t>{-2, 0}));
}

TEST_F(WindowEvents, focus_gained_and_lost) {
  Describe(kEditBox).On(-7, "RecordOther").On(-8, "RecordThird");
  Build();
  SetFocus(Unit(kButton));
  HandlerCalls().clear();
  SetFocus(Unit(kEditBox));
  SetFocus(Unit(kButton));
  EXPECT_EQ(CalledHandlers(), (std::vector<std::string>{"RecordOther", "RecordThird"}));
  EXPECT_TRUE(HandlerCalls()[0].arguments.empty());
}

TEST_F(WindowEvents, button_check_box_and_radio_box_clicks) {
  Describe(kCheckBox).On(0, "RecordOther");
  Describe(kRadioB).On(0, "RecordThird");
  Build();
  SendMessageW(Unit(kButton), BM_CLICK, 0, 0);
  SendMessageW(Unit(kCheckBox), BM_CLICK, 0, 0);
  SendMessageW(Unit(kRadioB), BM_CLICK, 0, 0);
  EXPECT_EQ(CalledHandlers(), (std::vector<std::string>{"Record", "RecordOther", "RecordThird"}));
  EXPECT_EQ(HandlerCalls()[1].unit, kCheckBox);
}

TEST_F(WindowEvents, a_radio_box_gaining_the_focus_raises_no_click) {
  Describe(kRadioB).On(0, "RecordThird");
  Build();
  SetFocus(Unit(kRadioB));
  SetFocus(Unit(kEditBox));
  EXPECT_TRUE(CallsOf("RecordThird").empty());
}

TEST_F(WindowEvents, tab_and_shift_tab_follow_the_focus_order_and_wrap) {
  Build();
  SetFocus(Unit(kEditBox));
  Post(Unit(kEditBox), WM_KEYDOWN, VK_TAB, 1);
  EXPECT_EQ(GetFocus(), Unit(kButton)) << "the edit box takes Enter, not Tab";
  Post(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
  EXPECT_EQ(GetFocus(), Unit(kRadioA)) << "into the container, in creation order";
  SetFocus(Unit(kListBox));
  Post(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
  EXPECT_EQ(GetFocus(), Unit(kSingleLineEdit)) << "the disabled and the hidden unit are passed over";
  Post(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
  EXPECT_EQ(GetFocus(), Unit(kEditBox)) << "wraps to the first";
  SetModifiers(false, true, false);
  Post(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
  EXPECT_EQ(GetFocus(), Unit(kSingleLineEdit)) << "Shift+Tab wraps backwards";
}

TEST_F(WindowEvents, enter_moves_the_focus_when_the_switch_is_on_except_in_a_multi_line_box) {
  DescribeFrame().Set(window_props::kEnterMovesFocus, 1);
  Build();
  SetFocus(Unit(kListView));
  Post(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(GetFocus(), Unit(kListBox));
  SetFocus(Unit(kEditBox));
  Post(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(GetFocus(), Unit(kEditBox));
}

TEST_F(WindowEvents, enter_stays_when_the_switch_is_off) {
  Build();
  SetFocus(Unit(kListView));
  Post(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(GetFocus(), Unit(kListView));
}

TEST_F(WindowEvents, arrow_keys_check_the_next_radio_box_of_the_container) {
  Describe(kRadioB).On(0, "RecordThird");
  Build();
  SetFocus(Unit(kRadioA));
  Post(Unit(kRadioA), WM_KEYDOWN, VK_RIGHT, 1);
  EXPECT_EQ(GetFocus(), Unit(kRadioB));
  EXPECT_EQ(SendMessageW(Unit(kRadioB), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(Unit(kRadioA), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(CallsOf("RecordThird").size(), 1u) << "its click event, once";
  Post(Unit(kRadioB), WM_KEYDOWN, VK_UP, 1);
  EXPECT_EQ(GetFocus(), Unit(kRadioA));
  EXPECT_EQ(SendMessageW(Unit(kRadioA), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(WindowEvents, alt_and_a_mnemonic_clicks_the_unit_with_it) {
  Describe(kCheckBox).Set(check_box_props::kCaption, Gbk(L"只搜目录名(&D)")).On(0, "RecordOther");
  Build();
  Post(Unit(kEditBox), WM_SYSKEYDOWN, 'D', 1 | (1 << 29));
  EXPECT_EQ(SendMessageW(Unit(kCheckBox), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(CallsOf("RecordOther").size(), 1u);
}

TEST_F(WindowEvents, esc_asks_the_window_to_close_and_a_false_answer_keeps_it) {
  DescribeFrame().On(1, "Refuse");
  Build();
  Post(Unit(kButton), WM_KEYDOWN, VK_ESCAPE, 1);
  ProcessPendingMessages();
  EXPECT_EQ(CalledHandlers(), (std::vector<std::string>{"Refuse"}));
  EXPECT_TRUE(IsWindow(Frame()));
}

TEST_F(WindowEvents, closing_raises_the_close_query_then_destroyed) {
  DescribeFrame().On(1, "Record").On(2, "RecordOther");
  Build();
  HWND frame = Frame();
  SendMessageW(frame, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(frame));
  EXPECT_EQ(CalledHandlers(), (std::vector<std::string>{"Record", "RecordOther"}));
}

TEST_F(WindowEvents, moved_resized_hidden_and_shown) {
  DescribeFrame().On(3, "Record").On(4, "RecordOther").On(10, "Accept").On(11, "RecordThird");
  Build();
  SetWindowPos(Frame(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(CalledHandlers(), (std::vector<std::string>{"Record"}));
  HandlerCalls().clear();
  SetWindowPos(Frame(), nullptr, 0, 0, 600, 450, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(CalledHandlers(), (std::vector<std::string>{"RecordOther"}));
  HandlerCalls().clear();
  ShowWindow(Frame(), SW_HIDE);
  ShowWindow(Frame(), SW_SHOW);
  EXPECT_EQ(CalledHandlers(), (std::vector<std::string>{"RecordThird", "Accept"}));
}

TEST_F(WindowEvents, first_activation_comes_before_the_activation_and_only_once) {
  DescribeFrame().On(5, "Record").On(6, "RecordOther").On(8, "RecordThird");
  LoadDescription(description_);
  ASSERT_TRUE(BuildWindow({kSampleWindow}));
  ProcessPendingMessages();
  ASSERT_GE(HandlerCalls().size(), 2u) << "the window is active once built";
  EXPECT_EQ(HandlerCalls()[0].handler, "RecordThird");
  EXPECT_EQ(HandlerCalls()[1].handler, "Record");
  HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
  SetActiveWindow(other);
  SetActiveWindow(Frame());
  DestroyWindow(other);
  EXPECT_EQ(CallsOf("RecordThird").size(), 1u);
  EXPECT_EQ(CallsOf("RecordOther").size(), 1u);
  EXPECT_GE(CallsOf("Record").size(), 2u);
}

TEST_F(WindowEvents, menu_items_are_selected_by_command_and_by_shortcut) {
  Build();
  SendMessageW(Frame(), WM_COMMAND, MAKEWPARAM(20006, 0), 0);
  ASSERT_EQ(CalledHandlers(), (std::vector<std::string>{"RecordOther"}));
  EXPECT_EQ(HandlerCalls()[0].unit, kCheckAllItem);
  HandlerCalls().clear();
  SetFocus(Unit(kEditBox));
  SetModifiers(true, false, false);
  Post(Unit(kEditBox), WM_KEYDOWN, 'O', 1);
  ASSERT_EQ(CalledHandlers(), (std::vector<std::string>{"Record"}));
  EXPECT_EQ(HandlerCalls()[0].unit, kOpenItem);
}

TEST_F(WindowEvents, list_view_header_click_gives_the_column) {
  Describe(kListView).On(2, "RecordOther");
  Build();
  HWND header = reinterpret_cast<HWND>(SendMessageW(Unit(kListView), LVM_GETHEADER, 0, 0));
  Click(header, WM_LBUTTONDOWN, WM_LBUTTONUP, MAKELPARAM(250, 5));
  ASSERT_EQ(CallsOf("RecordOther").size(), 1u);
  EXPECT_EQ(Integers(CallsOf("RecordOther")[0]), (std::vector<std::int32_t>{1}));
}

TEST_F(WindowEvents, list_view_check_focus_click_and_label_editing_events) {
  Describe(kListView).On(8, "RecordOther").On(0, "RecordThird").On(4, "Accept").On(6, "Refuse");
  Describe(kListView).Set(list_view_props::kLabelEditing, 1);
  Build();
  LVITEMW state{};
  state.stateMask = LVIS_STATEIMAGEMASK;
  state.state = INDEXTOSTATEIMAGEMASK(2);
  SendMessageW(Unit(kListView), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
  ASSERT_EQ(CallsOf("RecordOther").size(), 1u);
  EXPECT_EQ(Integers(CallsOf("RecordOther")[0]), (std::vector<std::int32_t>{1, 1}));
  state.stateMask = LVIS_FOCUSED;
  state.state = LVIS_FOCUSED;
  SendMessageW(Unit(kListView), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
  EXPECT_EQ(CallsOf("RecordThird").size(), 1u);
  SetFocus(Unit(kListView));
  EXPECT_EQ(SendMessageW(Unit(kListView), LVM_EDITLABELW, 0, 0), 0) << "refused by the handler";
  ASSERT_EQ(CallsOf("Refuse").size(), 1u);
  EXPECT_EQ(Integers(CallsOf("Refuse")[0]), (std::vector<std::int32_t>{0}));
  Click(Unit(kListView), WM_LBUTTONDOWN, WM_LBUTTONUP, MAKELPARAM(60, 28));
  EXPECT_EQ(CallsOf("Accept").size(), 1u);
}

// Rows that went in at the top wait for the control's next catch-up; until
// then the row hovered on and the row whose label the control begins to
// edit are the rows it shows there.
TEST_F(WindowEvents, list_view_hot_tracking_and_label_editing_give_the_row_shown_while_rows_go_in_above) {
  Describe(kListView).On(3, "RecordOther").On(6, "Refuse");
  Describe(kListView).Set(list_view_props::kHotTracking, 1).Set(list_view_props::kLabelEditing, 1);
  Build();
  HWND list = Unit(kListView);
  RECT second{};
  second.left = LVIR_LABEL;
  SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));  // the control catches up
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.pszText = const_cast<wchar_t*>(L"new");
  for (int i = 0; i < 3; ++i) SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2) << "the control has not caught up";

  // Wine 8 sends no LVN_HOTTRACK; Windows sends this as the pointer rests
  // on the second row.
  NMLISTVIEW hover{};
  hover.hdr.hwndFrom = list;
  hover.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
  hover.hdr.code = LVN_HOTTRACK;
  hover.iItem = 1;
  hover.ptAction = {(second.left + second.right) / 2, (second.top + second.bottom) / 2};
  SendMessageW(GetParent(list), WM_NOTIFY, hover.hdr.idFrom, reinterpret_cast<LPARAM>(&hover));
  ProcessPendingMessages();
  ASSERT_EQ(CallsOf("RecordOther").size(), 1u);
  EXPECT_EQ(Integers(CallsOf("RecordOther")[0]), (std::vector<std::int32_t>{4}));

  // As the control begins an edit of its own, after a click on a selected
  // label: a request from outside would make it catch up first.
  SetFocus(list);
  CallWindowProcW(reinterpret_cast<WNDPROC>(GetClassLongPtrW(list, GCLP_WNDPROC)), list, LVM_EDITLABELW, 1, 0);
  ASSERT_EQ(CallsOf("Refuse").size(), 1u);
  EXPECT_EQ(Integers(CallsOf("Refuse")[0]), (std::vector<std::int32_t>{4}));
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2) << "the control has still not caught up";
}

// The control leaves its check boxes to the rows, which report each change.
TEST_F(WindowEvents, list_view_check_box_click_and_space_are_check_changes) {
  Describe(kListView).On(8, "RecordOther");
  Build();
  RECT row{};
  row.left = LVIR_BOUNDS;
  SendMessageW(Unit(kListView), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  const int middle = (row.top + row.bottom) / 2;
  Click(Unit(kListView), WM_LBUTTONDOWN, WM_LBUTTONUP, MAKELPARAM(row.left + 60, middle));
  Click(Unit(kListView), WM_LBUTTONDOWN, WM_LBUTTONUP, MAKELPARAM(row.left + 8, middle));
  Post(Unit(kListView), WM_KEYDOWN, VK_SPACE, 1);
  ASSERT_EQ(CallsOf("RecordOther").size(), 2u);
  EXPECT_EQ(Integers(CallsOf("RecordOther")[0]), (std::vector<std::int32_t>{1, 1})) << "the box, clicked";
  EXPECT_EQ(Integers(CallsOf("RecordOther")[1]), (std::vector<std::int32_t>{1, 0})) << "Space on the focused row";
}

TEST_F(WindowEvents, a_press_on_the_window_itself_is_the_window_s_event) {
  DescribeFrame().On(-1, "RecordOther");
  Build();
  Click(Frame(), WM_LBUTTONDOWN, WM_LBUTTONUP, MAKELPARAM(300, 300));
  ASSERT_EQ(CallsOf("RecordOther").size(), 1u);
  EXPECT_EQ(CallsOf("RecordOther")[0].unit, kWindowOwnRecordId);
  EXPECT_EQ(Integers(CallsOf("RecordOther")[0]), (std::vector<std::int32_t>{300, 300, 0}));
}

TEST_F(WindowEvents, list_view_row_activated_and_right_clicked) {
  Describe(kListView).On(1, "RecordOther").On(5, "RecordThird");
  Build();
  Click(Unit(kListView), WM_LBUTTONDOWN, WM_LBUTTONUP, MAKELPARAM(60, 28));
  Click(Unit(kListView), WM_LBUTTONDBLCLK, WM_LBUTTONUP, MAKELPARAM(60, 28));
  EXPECT_EQ(CallsOf("RecordOther").size(), 1u) << "a double click activates the row";
  Click(Unit(kListView), WM_RBUTTONDOWN, WM_RBUTTONUP, MAKELPARAM(60, 28));
  EXPECT_EQ(CallsOf("RecordThird").size(), 1u);
}

TEST_F(WindowEvents, keys_to_a_disabled_window_are_dropped) {
  Describe(kDisabledButton).On(-9, "RecordOther");
  Build();
  Post(Unit(kDisabledButton), WM_KEYDOWN, 'A', 1);
  EXPECT_TRUE(CallsOf("RecordOther").empty());
}

}  // namespace
}  // namespace vorlix::test
