// Sorting the result list by a clicked column header on the built main
// window: the order of the insertion procedure, with whole rows moving.
#include <windows.h>
#include <commctrl.h>
#undef FindWindow

#include <gtest/gtest.h>

#include <random>

#include "app/mainwindow/main_window_units.h"
#include "app/results/list_view_sorting.h"
#include "app/results/result_units.h"
#include "platform/hidden_owner_window.h"
#include "platform/wide_text.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/core/events/message_loop.h"
#include "runtime/core/units/unit_properties.h"
#include "tests/native/insertion_sort_reference.h"
#include "tests/win32/results_room.h"

namespace vorlix::test {
namespace {

using Texts = std::vector<std::string>;

class ResultSorting : public ResultsRoom {
 protected:
  // Rows named as given, each in a folder of its own: the folder tells
  // the rows apart where their names are equal.
  void NameRows(const Texts& names) {
    ClearRows();
    std::vector<Row> rows;
    for (std::size_t i = 0; i < names.size(); ++i) rows.push_back({"C:\\" + std::to_string(i) + "\\" + names[i]});
    AddRows(rows);
    // 选择框3 as the window starts: the first click sorts descending.
    core::WriteUnitProperty(core::kMainWindowId, app::main_window::选择框3, 18, true);
  }
  // The rows' folders, top to bottom.
  std::vector<int> Order() {
    std::vector<int> order;
    for (const std::string& path : Paths()) order.push_back(std::stoi(path.substr(3)));
    return order;
  }
  void PostHeaderClick(int column) {
    HWND header = ListView_GetHeader(Unit(u"超级列表框1"));
    RECT item;
    Header_GetItemRect(header, column, &item);
    const LPARAM inside = MAKELPARAM(item.left + 10, item.top + 5);
    PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    PostMessageW(header, WM_LBUTTONUP, 0, inside);
  }
  void ClickHeader(int column) {
    PostHeaderClick(column);
    core::ProcessPendingMessages();
  }
  // A big list's order comes from a thread of its own; it lands when the
  // window turns to its messages.
  void ExpectARowThatComesSortedWithTheRest(int rows);
  void AwaitSort() {
    while (app::ListSortPending()) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
      core::ProcessPendingMessages();
    }
  }
};

TEST_F(ResultSorting, header_clicks_sort_descending_then_ascending_by_the_insertion_rules) {
  const std::string chinese = platform::Narrow(L"中");
  const struct {
    const char* what;
    Texts names;
    int column;
    std::vector<int> first_click;   // descending
    std::vector<int> second_click;  // ascending
  } cases[] = {
      {"capitals first", {"b", "B", "a"}, 1, {0, 2, 1}, {1, 2, 0}},
      {"all equal", {"x", "x", "x"}, 1, {2, 1, 0}, {2, 1, 0}},
      {"ASCII before Chinese", {chinese, "z", "A"}, 1, {0, 1, 2}, {2, 1, 0}},
      {"by the path column", {"b", "a"}, 0, {1, 0}, {0, 1}},
      {"one row", {"x"}, 1, {0}, {0}},
      {"no row", {}, 1, {}, {}},
  };
  for (const auto& c : cases) {
    NameRows(c.names);
    ClickHeader(c.column);
    EXPECT_EQ(Order(), c.first_click) << c.what;
    ClickHeader(c.column);
    EXPECT_EQ(Order(), c.second_click) << c.what;
  }
}

TEST_F(ResultSorting, check_marks_and_the_selection_travel_with_their_rows) {
  NameRows({"c", "a", "d", "b"});
  commands::ListViewSetCheck(app::ResultList(), 0, 1);
  commands::ListViewSetCheck(app::ResultList(), 3, 1);
  Select({1});
  ClickHeader(1);
  ClickHeader(1);
  EXPECT_EQ(Names(), (Texts{"a", "b", "c", "d"}));
  EXPECT_EQ(CheckedRows(), (std::vector<int>{1, 2})) << "the rows of b and c";
  EXPECT_EQ(ListView_GetNextItem(Unit(u"超级列表框1"), -1, LVNI_SELECTED), 0) << "the row of a";
}

// Few distinct names, so that most rows meet ties.
Texts ManyNames(int rows) {
  std::mt19937 random(2024);
  Texts names;
  for (int i = 0; i < rows; ++i) names.push_back("n" + std::to_string(random() % 3000));
  return names;
}

std::vector<int> Ascending(const Texts& names) {
  const std::vector<std::int32_t> order = InsertedOneByOne(names, true);
  return {order.begin(), order.end()};
}

// The clicks return before the order is ready; meanwhile (in what the
// window does next, queued before the sort can end) the list is as it was
// and takes a check. The second click drops the first sort, and the order
// that lands is the insertion procedure's, the check with its row.
TEST_F(ResultSorting, a_big_list_is_ordered_off_the_window_thread_and_lands_whole) {
  const Texts names = ManyNames(100000);
  SendMessageW(Unit(u"超级列表框1"), WM_SETREDRAW, FALSE, 0);
  NameRows(names);
  SendMessageW(Unit(u"超级列表框1"), WM_SETREDRAW, TRUE, 0);

  const std::uint64_t version = commands::ListViewGetRowsVersion(app::ResultList());
  PostHeaderClick(1);
  PostHeaderClick(1);
  bool pending_meanwhile = false;
  std::string top_meanwhile;
  platform::PostToWindowThread([&] {
    pending_meanwhile = app::ListSortPending();
    top_meanwhile = commands::ListViewGetText(app::ResultList(), 0, 1);
    commands::ListViewSetCheck(app::ResultList(), 7, 1);
  });
  core::ProcessPendingMessages();
  AwaitSort();

  EXPECT_TRUE(pending_meanwhile) << "the handler waited for the sort";
  EXPECT_EQ(top_meanwhile, names.front()) << "the list moved before the order was ready";
  EXPECT_EQ(commands::ListViewGetRowsVersion(app::ResultList()), version + 1) << "the rows moved once";
  const std::vector<int> expected = Ascending(names);
  EXPECT_EQ(Order(), expected);
  const auto checked = std::find(expected.begin(), expected.end(), 7) - expected.begin();
  EXPECT_EQ(CheckedRows(), (std::vector<int>{static_cast<int>(checked)}));
}

// A row that comes while the keys are copied (more rows than one turn's
// stretch) or while they are ordered (copied at once).
void ResultSorting::ExpectARowThatComesSortedWithTheRest(int rows) {
  Texts names = ManyNames(rows);
  NameRows(names);
  PostHeaderClick(1);
  names.push_back("n1");
  platform::PostToWindowThread([&] { AddRows({{"C:\\" + std::to_string(names.size() - 1) + "\\n1"}}); });
  core::ProcessPendingMessages();
  AwaitSort();

  std::vector<int> expected = Ascending(names);
  std::reverse(expected.begin(), expected.end());
  EXPECT_EQ(Order(), expected);
}

TEST_F(ResultSorting, a_row_that_comes_while_the_order_is_made_is_sorted_with_the_rest) {
  ExpectARowThatComesSortedWithTheRest(30000);
}

TEST_F(ResultSorting, a_row_that_comes_while_the_keys_are_copied_is_sorted_with_the_rest) {
  ExpectARowThatComesSortedWithTheRest(100000);
}

// With every row selected the control is left as it is; only the focus
// moves, with its row.
TEST_F(ResultSorting, with_every_row_selected_the_focus_travels_with_its_row) {
  NameRows({"c", "a", "d", "b"});
  HWND list = Unit(u"超级列表框1");
  LVITEMW every{};
  every.stateMask = every.state = LVIS_SELECTED;
  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&every));
  LVITEMW focus{};
  focus.stateMask = focus.state = LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&focus));  // d
  ClickHeader(1);
  ClickHeader(1);
  EXPECT_EQ(Names(), (Texts{"a", "b", "c", "d"}));
  EXPECT_EQ(ListView_GetSelectedCount(list), 4u);
  for (int row = 0; row < 4; ++row) EXPECT_TRUE(commands::ListViewIsSelected(app::ResultList(), row)) << row;
  EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_FOCUSED), 3);
}

}  // namespace
}  // namespace vorlix::test
