#include "runtime/commands/list_view_commands.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "platform/list_view_control.h"
#include "runtime/commands/thread_commands.h"
#include "runtime/core/units/unit_properties.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "tests/native/fatal_error_capture.h"
#include "tests/win32/unit_command_window.h"
#include "texts.h"

namespace vorlix::commands {
namespace {

using test::UnitCommandWindow;

class ListViewCommands : public UnitCommandWindow {
 protected:
  void SetUp() override {
    UnitCommandWindow::SetUp();
    ListViewDeleteAll(list_);
  }
  // Items "0" to "count - 1".
  void Fill(int count) {
    for (int i = 0; i < count; ++i) ListViewInsertItem(list_, std::nullopt, std::to_string(i));
  }
  static platform::WindowHandle ListHandle() {
    return reinterpret_cast<platform::WindowHandle>(Control(test::sample::kListView));
  }
  void Select(int index) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageW(Control(test::sample::kListView), LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&state));
  }
  static HWND List() { return Control(test::sample::kListView); }
  static LRESULT Send(UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
    return SendMessageW(List(), message, wparam, lparam);
  }
  static int ShownCount() { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
  // Where the control shows the row at `index`: `part` LVIR_BOUNDS for the
  // whole row, LVIR_LABEL for its text. Asking makes the control catch up,
  // so ask before rows go in.
  static RECT Place(int index, int part) {
    RECT row{};
    row.left = part;
    Send(LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row));
    return row;
  }
  static LPARAM Middle(const RECT& rect) {
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  }
  static LPARAM OnBox(const RECT& row) { return MAKELPARAM(row.left + 8, (row.top + row.bottom) / 2); }
  // A press and release of the left button at `at`, with the keys held.
  static void ClickAt(LPARAM at, WPARAM keys = 0) {
    PostMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    PostMessageW(List(), WM_LBUTTONUP, keys, at);
    test::PumpMessages();
  }
  // On the row's text, or with `on_box` on its check box.
  static void ClickRow(int index, WPARAM keys = 0, bool on_box = false) {
    ClickAt(on_box ? OnBox(Place(index, LVIR_BOUNDS)) : Middle(Place(index, LVIR_LABEL)), keys);
  }
  // Rows going in at the top that the control does not show yet: until it
  // catches up, each of its indices names the row that was there before.
  void RowsGoInAtTheTop(int count, const std::string& text = "new") {
    const int shown = ShownCount();
    for (int i = 0; i < count; ++i) ListViewInsertItem(list_, 0, text);
    ASSERT_EQ(ShownCount(), shown) << "the control has not caught up";
  }
  // What the control is given to paint at `index`: column 0's text and the
  // state image bits.
  static std::pair<std::wstring, UINT> Painted(int index) {
    wchar_t text[16] = L"junk";
    NMLVDISPINFOW request{};
    request.hdr.hwndFrom = List();
    request.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(List()));
    request.hdr.code = LVN_GETDISPINFOW;
    request.item.mask = LVIF_TEXT | LVIF_STATE;
    request.item.iItem = index;
    request.item.stateMask = LVIS_STATEIMAGEMASK;
    request.item.pszText = text;
    request.item.cchTextMax = 16;
    SendMessageW(GetParent(List()), WM_NOTIFY, request.hdr.idFrom, reinterpret_cast<LPARAM>(&request));
    return {text, request.item.state & LVIS_STATEIMAGEMASK};
  }
  // The control's indices of the rows it paints while `act` runs.
  template <class Act>
  static std::set<int> ShownRowsPaintedDuring(Act act) {
    constexpr UINT_PTR kPaintWatch = 0x52;
    const auto watch = [](HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                          DWORD_PTR painted) CALLBACK -> LRESULT {
      if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lparam)->code == LVN_GETDISPINFOW) {
        reinterpret_cast<std::set<int>*>(painted)->insert(reinterpret_cast<const NMLVDISPINFOW*>(lparam)->item.iItem);
      }
      return DefSubclassProc(window, message, wparam, lparam);
    };
    std::set<int> painted;
    SetWindowSubclass(GetParent(List()), watch, kPaintWatch, reinterpret_cast<DWORD_PTR>(&painted));
    act();
    RemoveWindowSubclass(GetParent(List()), watch, kPaintWatch);
    return painted;
  }
  std::vector<bool> Selection() const {
    std::vector<bool> selected;
    for (int i = 0; i < ListViewGetCount(list_); ++i) selected.push_back(ListViewIsSelected(list_, i));
    return selected;
  }
  std::vector<ListViewRowId> RowIds() const {
    std::vector<ListViewRowId> ids;
    for (int i = 0; i < ListViewGetCount(list_); ++i) ids.push_back(ListViewGetRowId(list_, i));
    return ids;
  }
};

TEST_F(ListViewCommands, inserting_at_index_minus_1_appends) {
  Fill(5);
  EXPECT_EQ(ListViewInsertItem(list_, -1, "new"), 5);
  EXPECT_EQ(ListViewGetText(list_, 5), "new");
  EXPECT_EQ(ListViewInsertItem(list_, std::nullopt, "absent"), 6) << "an absent index appends too";
}

TEST_F(ListViewCommands, inserting_at_index_0_moves_the_former_first_item_down) {
  Fill(2);
  EXPECT_EQ(ListViewInsertItem(list_, 0, "top"), 0);
  EXPECT_EQ(ListViewGetText(list_, 0), "top");
  EXPECT_EQ(ListViewGetText(list_, 1), "0");
  EXPECT_EQ(ListViewGetCount(list_), 3);
}

TEST_F(ListViewCommands, an_item_inserted_without_a_check_state_reads_unchecked) {
  ListViewInsertItem(list_, 0, "a");
  EXPECT_EQ(ListViewGetCheck(list_, 0), 0);
}

TEST_F(ListViewCommands, insert_takes_the_check_state_image_indent_and_item_data) {
  ListViewInsertItem(list_, 0, "a", 3, 1, 2, 77);
  ListViewInsertItem(list_, 1, "b", -5, -3, -1);

  EXPECT_EQ(ListViewGetCheck(list_, 0), 1);
  EXPECT_EQ(ListViewGetCheck(list_, 1), -1) << "a state below -1 counts as -1: no check box";
  const auto first = platform::ListViewItemAt(ListHandle(), 0);
  EXPECT_EQ(first.image, 3);
  EXPECT_EQ(first.indent, 2);
  EXPECT_EQ(first.item_data, 77);
  const auto second = platform::ListViewItemAt(ListHandle(), 1);
  EXPECT_EQ(second.image, -1);
  EXPECT_EQ(second.indent, 0);
}

TEST_F(ListViewCommands, set_check_reads_back_and_an_absent_state_removes_the_check_box) {
  Fill(1);
  ListViewSetCheck(list_, 0, 1);
  EXPECT_EQ(ListViewGetCheck(list_, 0), 1);
  ListViewSetCheck(list_, 0, 0);
  EXPECT_EQ(ListViewGetCheck(list_, 0), 0);
  ListViewSetCheck(list_, 0);
  EXPECT_EQ(ListViewGetCheck(list_, 0), -1);
  ListViewSetCheck(list_, 0, -9);
  EXPECT_EQ(ListViewGetCheck(list_, 0), -1);
}

TEST_F(ListViewCommands, an_index_outside_the_items_reads_as_nothing_and_changes_nothing) {
  Fill(2);
  ListViewSetCheck(list_, 0, 1);
  ListViewSetCheck(list_, -1, 0);
  ListViewSetCheck(list_, 2, 0);
  ListViewSetText(list_, -1, 0, "x");
  ListViewDeleteItem(list_, -1);
  ListViewDeleteItem(list_, 2);

  EXPECT_EQ(ListViewGetCheck(list_, 0), 1) << "-1 must not reach every item";
  EXPECT_EQ(ListViewGetText(list_, 0), "0");
  EXPECT_EQ(ListViewGetCount(list_), 2);
  EXPECT_EQ(ListViewGetText(list_, 9), "");
  EXPECT_EQ(ListViewGetCheck(list_, 9), -1);
  EXPECT_FALSE(ListViewIsSelected(list_, 9));
}

TEST_F(ListViewCommands, a_subitem_text_longer_than_512_bytes_comes_back_whole) {
  Fill(1);
  const std::string long_text = std::string(700, 'a') + test::Gbk(L"路径") + std::string(600, 'b');
  ListViewSetText(list_, 0, 1, long_text);
  EXPECT_EQ(ListViewGetText(list_, 0, 1), long_text);
  ListViewSetText(list_, 0, std::nullopt, long_text);
  EXPECT_EQ(ListViewGetText(list_, 0), long_text) << "column 0 by default";
}

TEST_F(ListViewCommands, set_text_without_a_text_empties_the_item) {
  Fill(1);
  ListViewSetText(list_, 0);
  EXPECT_EQ(ListViewGetText(list_, 0), "");
}

TEST_F(ListViewCommands, selection_is_read_per_item) {
  Fill(8);
  Select(3);
  Select(7);
  EXPECT_TRUE(ListViewIsSelected(list_, 3));
  EXPECT_TRUE(ListViewIsSelected(list_, 7));
  EXPECT_FALSE(ListViewIsSelected(list_, 4));
}

TEST_F(ListViewCommands, deleting_an_item_moves_the_later_ones_up) {
  Fill(3);
  ListViewDeleteItem(list_, 1);
  EXPECT_EQ(ListViewGetCount(list_), 2);
  EXPECT_EQ(ListViewGetText(list_, 1), "2");
  ListViewDeleteAll(list_);
  EXPECT_EQ(ListViewGetCount(list_), 0);
}

TEST_F(ListViewCommands, a_row_goes_in_with_its_texts_as_far_as_the_list_has_columns) {
  Fill(1);
  const std::string_view texts[] = {"path", "name", "a third column the list does not have"};
  EXPECT_EQ(ListViewInsertRow(list_, 0, texts, 7), 0);
  EXPECT_EQ(ListViewGetText(list_, 0), "path");
  EXPECT_EQ(ListViewGetText(list_, 0, 1), "name");
  EXPECT_EQ(ListViewGetText(list_, 0, 2), "");
  EXPECT_EQ(ListViewGetItemData(list_, 0), 7);
  EXPECT_EQ(ListViewGetCheck(list_, 0), 0) << "unchecked, as any new row of a list with check boxes";
  EXPECT_EQ(ListViewGetText(list_, 1), "0");
  EXPECT_EQ(ListViewInsertRow(list_, 99, {}, 0), 2) << "no texts: an empty row, appended";
}

TEST_F(ListViewCommands, the_column_count_is_the_headers) {
  EXPECT_EQ(ListViewGetColumnCount(list_), 2);
}

// At the end of a search the list shows every row as soon as the window
// turns to its messages again, not before and not at the next tick.
TEST_F(ListViewCommands, a_count_shown_soon_follows_at_the_next_turn_of_the_messages) {
  Fill(2);
  ListViewFlushCount(list_);
  for (int i = 0; i < 3; ++i) ListViewInsertItem(list_, 0, "new");
  ListViewFlushCountSoon(list_);
  EXPECT_EQ(ShownCount(), 2) << "not yet";
  test::PumpMessages();
  EXPECT_EQ(ShownCount(), 5);
}

// The parent answers each paint request slowly, as a themed list under
// Wine paints: the catch-ups come far less often than every 100 ms, so that
// they and their repaints never take more than a fifth of the time.
TEST_F(ListViewCommands, a_slow_repaint_makes_the_next_catch_up_wait) {
  constexpr UINT_PTR kSlowPainting = 0x51;
  const auto slow = [](HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) CALLBACK -> LRESULT {
    if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lparam)->code == LVN_GETDISPINFOW) Sleep(4);
    return DefSubclassProc(window, message, wparam, lparam);
  };
  Fill(20);
  ListViewFlushCount(list_);
  UpdateWindow(List());
  ASSERT_TRUE(SetWindowSubclass(GetParent(List()), slow, kSlowPainting, 0));
  ListViewInsertItem(list_, 0, "first");
  ASSERT_TRUE(test::PumpUntil([] { return ShownCount() == 21; }));
  UpdateWindow(List());  // the repaint the catch-up asked for, slow
  ListViewInsertItem(list_, 0, "second");
  const ULONGLONG inserted = GetTickCount64();
  ASSERT_TRUE(test::PumpUntil([] { return ShownCount() == 22; }, 5000));
  EXPECT_GE(GetTickCount64() - inserted, 300u);
  RemoveWindowSubclass(GetParent(List()), slow, kSlowPainting);
}

TEST_F(ListViewCommands, a_unit_that_is_not_loaded_is_a_fatal_error) {
  const core::UnitReference missing{test::kSampleWindow, 0x16017777, core::type_codes::kListView};
  const auto error = test::FatalErrorOf([&] { ListViewGetCount(missing); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->text, texts::kUnitNotLoaded);
}

TEST_F(ListViewCommands, a_selected_row_stays_selected_and_shown_so_when_rows_go_in_above_it) {
  Fill(3);
  ListViewFlushCount(list_);
  ClickRow(1);
  ASSERT_TRUE(ListViewIsSelected(list_, 1));
  for (int i = 0; i < 5; ++i) ListViewInsertItem(list_, 0, "new");
  EXPECT_TRUE(ListViewIsSelected(list_, 6));
  EXPECT_FALSE(ListViewIsSelected(list_, 1));
  ListViewFlushCount(list_);
  EXPECT_EQ(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 6) << "the control shows it there";
  EXPECT_EQ(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 6);
  EXPECT_EQ(Send(LVM_GETNEXTITEM, 6, LVNI_SELECTED), -1) << "and only there";
}

TEST_F(ListViewCommands, clicks_with_shift_and_ctrl_and_select_all_reach_the_rows) {
  Fill(6);
  ListViewFlushCount(list_);
  ClickRow(1);
  ClickRow(4, MK_SHIFT);
  ClickRow(2, MK_CONTROL);
  EXPECT_EQ(Selection(), (std::vector<bool>{false, true, false, true, true, false}));
  ClickRow(5);
  EXPECT_EQ(Selection(), (std::vector<bool>{false, false, false, false, false, true}));
  Select(-1);
  EXPECT_EQ(Selection(), std::vector<bool>(6, true));
}

TEST_F(ListViewCommands, a_check_follows_the_command_a_click_on_its_box_and_space) {
  Fill(2);
  ListViewFlushCount(list_);
  ListViewSetCheck(list_, 1, 1);
  EXPECT_EQ(ListViewGetCheck(list_, 1), 1);
  ClickRow(1, 0, true);
  EXPECT_EQ(ListViewGetCheck(list_, 1), 0) << "a click on the box";
  ClickRow(0);
  PostMessageW(List(), WM_KEYDOWN, VK_SPACE, 1);
  PostMessageW(List(), WM_KEYUP, VK_SPACE, 0xC0000001);
  test::PumpMessages();
  EXPECT_EQ(ListViewGetCheck(list_, 0), 1) << "Space on the focused row";
  EXPECT_EQ(ListViewGetCheck(list_, 1), 0);
  EXPECT_EQ(Send(LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2)) << "as the control reads it";
}

// Rows that go in at the top between two catch-ups move every row of the
// list down while the control still shows them where they were: a click on
// a box, a double-click and Space act on the row shown under them.
TEST_F(ListViewCommands, input_acts_on_the_row_shown_under_it_while_rows_go_in_above_it) {
  Fill(6);
  ListViewFlushCount(list_);
  const RECT box = Place(2, LVIR_BOUNDS);
  const auto checked = [this] {
    std::vector<std::string> texts;
    for (int i = 0; i < ListViewGetCount(list_); ++i) {
      if (ListViewGetCheck(list_, i) == 1) texts.push_back(ListViewGetText(list_, i));
    }
    return texts;
  };

  RowsGoInAtTheTop(3);
  EXPECT_EQ(Painted(2).first, L"2") << "painted where it was";
  ClickAt(OnBox(box));
  EXPECT_EQ(checked(), std::vector<std::string>{"2"}) << "the box clicked on";

  ListViewFlushCount(list_);
  const LPARAM on_label = Middle(Place(4, LVIR_LABEL));
  const std::string shown_there = ListViewGetText(list_, 4);
  RowsGoInAtTheTop(3);
  PostMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, on_label);
  PostMessageW(List(), WM_LBUTTONUP, 0, on_label);
  PostMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, on_label);
  PostMessageW(List(), WM_LBUTTONUP, 0, on_label);
  PostMessageW(List(), WM_KEYDOWN, VK_SPACE, 1);
  PostMessageW(List(), WM_KEYUP, VK_SPACE, 0xC0000001);
  test::PumpMessages();
  ASSERT_EQ(shown_there, "1");
  std::vector<bool> only_that_row(12, false);
  only_that_row[7] = true;
  EXPECT_EQ(ListViewGetText(list_, 7), shown_there);
  EXPECT_EQ(Selection(), only_that_row) << "the row double-clicked";
  EXPECT_EQ(checked(), (std::vector<std::string>{"1", "2"})) << "Space on the row double-clicked";
}

// The range runs between the two rows as the control shows them, and takes
// the rows that went in between them since: they lie where the user marked.
TEST_F(ListViewCommands, a_shift_click_range_while_rows_go_in_takes_the_rows_shown_and_those_between) {
  Fill(6);
  ListViewFlushCount(list_);
  ClickRow(1);
  const LPARAM fourth = Middle(Place(4, LVIR_LABEL));
  RowsGoInAtTheTop(3);
  ListViewInsertItem(list_, 6, "between");  // after "2"
  ClickAt(fourth, MK_SHIFT);
  ASSERT_EQ(ShownCount(), 6) << "the control has still not caught up";
  EXPECT_EQ(Selection(), (std::vector<bool>{false, false, false, false, true, true, true, true, true, false}))
      << "from \"1\" to \"4\"";
}

TEST_F(ListViewCommands, typing_while_rows_go_in_finds_among_the_rows_shown) {
  for (const char* text : {"apple", "banana", "cherry", "date"}) ListViewInsertItem(list_, std::nullopt, text);
  ListViewFlushCount(list_);
  RowsGoInAtTheTop(2, "cranberry");
  PostMessageW(List(), WM_CHAR, 'c', 1);
  test::PumpMessages();
  ASSERT_EQ(ShownCount(), 4) << "the control has still not caught up";
  EXPECT_EQ(Selection(), (std::vector<bool>{false, false, false, false, true, false})) << "the row shown as cherry";
}

// A toggled box is redrawn where the control shows its row; the index the
// row has now names another row on screen.
TEST_F(ListViewCommands, a_toggled_check_is_redrawn_where_the_control_shows_its_row_while_rows_go_in) {
  Fill(6);
  ListViewFlushCount(list_);
  ClickRow(2);
  RowsGoInAtTheTop(3);
  UpdateWindow(List());
  const std::set<int> painted = ShownRowsPaintedDuring([] {
    Send(WM_KEYDOWN, VK_SPACE, 1);
    UpdateWindow(List());
  });
  Send(WM_KEYUP, VK_SPACE, 0xC0000001);
  ASSERT_EQ(ListViewGetCheck(list_, 5), 1) << "Space on the focused row";
  EXPECT_TRUE(painted.contains(2));
  EXPECT_FALSE(painted.contains(5));
}

TEST_F(ListViewCommands, a_hundred_thousand_rows_inserted_at_the_top_read_back_at_both_ends) {
  constexpr int kRows = 100000;
  for (int i = 0; i < kRows; ++i) {
    ListViewInsertItem(list_, 0, "row " + std::to_string(i));
    ListViewSetText(list_, 0, 1, std::to_string(i));
    if (i % 3 == 0) ListViewSetCheck(list_, 0, 1);
  }
  ASSERT_EQ(ListViewGetCount(list_), kRows);
  EXPECT_EQ(ListViewGetText(list_, 0), "row 99999");
  EXPECT_EQ(ListViewGetText(list_, 0, 1), "99999");
  EXPECT_EQ(ListViewGetCheck(list_, 0), 1);
  EXPECT_EQ(ListViewGetCheck(list_, 1), 0);
  EXPECT_EQ(ListViewGetText(list_, kRows - 1), "row 0");
  EXPECT_EQ(ListViewGetText(list_, kRows - 2, 1), "1");
  EXPECT_EQ(ListViewGetCheck(list_, kRows - 1), 1);
  EXPECT_EQ(ListViewGetCheck(list_, kRows - 2), 0);
}

TEST_F(ListViewCommands, reordering_moves_checks_selection_and_identities_with_their_rows) {
  Fill(4);
  ListViewSetCheck(list_, 3, 1);
  Select(3);
  const std::vector<ListViewRowId> ids = RowIds();
  const std::vector<std::int32_t> reverse{3, 2, 1, 0};
  ListViewReorderRows(list_, reverse);
  EXPECT_EQ(ListViewGetText(list_, 0), "3");
  EXPECT_EQ(ListViewGetCheck(list_, 0), 1);
  EXPECT_EQ(ListViewGetCheck(list_, 3), 0);
  EXPECT_EQ(Selection(), (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(RowIds(), (std::vector<ListViewRowId>{ids[3], ids[2], ids[1], ids[0]}));
  EXPECT_EQ(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0) << "the control shows it moved";
  const std::vector<std::int32_t> no_permutation{0, 0, 1, 2};
  ListViewReorderRows(list_, no_permutation);
  EXPECT_EQ(ListViewGetText(list_, 0), "3") << "nothing changes";
}

TEST_F(ListViewCommands, rows_deleted_by_identity_go_at_once_and_their_identities_find_nothing) {
  Fill(5);
  ListViewFlushCount(list_);
  const std::vector<ListViewRowId> ids = RowIds();
  const std::vector<ListViewRowId> gone{ids[1], ids[3], 0};
  ListViewDeleteRows(list_, gone);
  EXPECT_EQ(ShownCount(), 3) << "the control never shows rows that are gone";
  EXPECT_EQ(ListViewGetText(list_, 1), "2");
  EXPECT_EQ(ListViewFindRow(list_, ids[1]), -1);
  EXPECT_EQ(ListViewFindRow(list_, ids[4]), 2);
  EXPECT_EQ(ListViewGetRowId(list_, 3), 0u);
  ListViewDeleteRows(list_, gone);
  EXPECT_EQ(ListViewGetCount(list_), 3) << "ids of rows already gone are ignored";
}

TEST_F(ListViewCommands, the_control_catches_up_with_new_rows_on_its_timer_or_at_a_flush) {
  Fill(10);
  EXPECT_EQ(ShownCount(), 0) << "not a count change for every row";
  ListViewFlushCount(list_);
  EXPECT_EQ(ShownCount(), 10);
  Fill(5);
  EXPECT_TRUE(test::PumpUntil([] { return ShownCount() == 15; }));
}

TEST_F(ListViewCommands, a_display_request_for_a_row_that_is_gone_is_answered_empty) {
  Fill(1);
  EXPECT_EQ(Painted(5), (std::pair<std::wstring, UINT>{L"", 0u}));
}

TEST_F(ListViewCommands, typing_finds_a_row_by_the_start_of_its_text_whatever_its_case) {
  for (const char* text : {"apple", "Banana", "cherry"}) ListViewInsertItem(list_, std::nullopt, text);
  LVFINDINFOW find{};
  find.flags = LVFI_STRING | LVFI_PARTIAL;
  find.psz = L"bAn";
  EXPECT_EQ(Send(LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), 1);
  find.psz = L"kiwi";
  EXPECT_EQ(Send(LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)), -1);
}

TEST_F(ListViewCommands, a_sorted_list_puts_each_new_row_in_its_place) {
  // A type's own properties count from 8.
  core::WriteUnitProperty(test::kSampleWindow, test::sample::kListView,
                          8 + core::list_view_props::kAutoSort, std::int32_t{1});
  for (const char* text : {"b", "C", "a"}) ListViewInsertItem(list_, 0, text);
  EXPECT_EQ(ListViewInsertItem(list_, 0, "bb"), 2);
  EXPECT_EQ(ListViewGetText(list_, 0), "a");
  EXPECT_EQ(ListViewGetText(list_, 1), "b");
  EXPECT_EQ(ListViewGetText(list_, 3), "C");
}

// The worker's messages reach the window thread's controls only while that
// thread takes messages; each call waits for its answer.
TEST_F(ListViewCommands, a_worker_thread_fills_the_list_while_the_window_thread_processes_messages) {
  constexpr int kRows = 60;
  static std::atomic<bool> done{false};
  static core::UnitReference list;
  done = false;
  list = list_;
  ASSERT_TRUE(StartThread([](std::int32_t rows) {
    for (int i = 0; i < rows; ++i) {
      const std::int32_t row = ListViewInsertItem(list, 0, "row " + std::to_string(i));
      ListViewSetText(list, row, 1, std::to_string(i));
      ListViewSetCheck(list, row, i % 2);
    }
    done = true;
  }, kRows));

  ASSERT_TRUE(test::PumpUntil([] { return done.load(); }, 20000));

  ASSERT_EQ(ListViewGetCount(list_), kRows);
  EXPECT_EQ(ListViewGetText(list_, 0), "row 59");
  EXPECT_EQ(ListViewGetText(list_, 0, 1), "59");
  EXPECT_EQ(ListViewGetCheck(list_, 0), 1);
  EXPECT_EQ(ListViewGetText(list_, kRows - 1, 1), "0");
  EXPECT_EQ(ListViewGetCheck(list_, kRows - 1), 0);
}

}  // namespace
}  // namespace vorlix::commands
