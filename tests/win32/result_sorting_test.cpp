// Sorting the result list by a clicked column header on the built main
// window: the order of the insertion procedure, with whole rows moving.
#include <windows.h>
#include <commctrl.h>
#undef FindWindow

#include <gtest/gtest.h>

#include <random>

#include "app/mainwindow/main_window_units.h"
#include "app/results/result_units.h"
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
  void ClickHeader(int column) {
    HWND header = ListView_GetHeader(Unit(u"超级列表框1"));
    RECT item;
    Header_GetItemRect(header, column, &item);
    const LPARAM inside = MAKELPARAM(item.left + 10, item.top + 5);
    PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, inside);
    PostMessageW(header, WM_LBUTTONUP, 0, inside);
    core::ProcessPendingMessages();
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
TEST_F(ResultSorting, a_hundred_thousand_rows_come_in_the_order_of_the_insertion_procedure) {
  constexpr int kRows = 100000;
  std::mt19937 random(2024);
  Texts names;
  for (int i = 0; i < kRows; ++i) names.push_back("n" + std::to_string(random() % 3000));
  SendMessageW(Unit(u"超级列表框1"), WM_SETREDRAW, FALSE, 0);
  NameRows(names);
  SendMessageW(Unit(u"超级列表框1"), WM_SETREDRAW, TRUE, 0);

  ClickHeader(1);
  std::vector<std::int32_t> expected = InsertedOneByOne(names, true);
  std::reverse(expected.begin(), expected.end());
  const std::vector<int> order = Order();
  EXPECT_TRUE(std::equal(order.begin(), order.end(), expected.begin(), expected.end()));
}

}  // namespace
}  // namespace vorlix::test
