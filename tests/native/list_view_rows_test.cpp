#include "platform/list_view_rows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vorlix::platform {
namespace {

class ListViewRowsTest : public testing::Test {
 protected:
  // Rows "0" to "count - 1", appended.
  void Fill(int count) {
    for (int i = 0; i < count; ++i) rows_.Insert(-1, {std::to_string(i)});
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (int i = 0; i < rows_.Count(); ++i) texts.emplace_back(rows_.Text(i, 0));
    return texts;
  }
  std::vector<int> Selected() const {
    std::vector<int> selected;
    rows_.ForEachSelected([&](int i) { selected.push_back(i); });
    return selected;
  }

  ListViewRows rows_;
};

TEST_F(ListViewRowsTest, rows_go_in_at_the_top_the_end_and_between) {
  EXPECT_EQ(rows_.Insert(0, {"b"}), 0);
  EXPECT_EQ(rows_.Insert(0, {"a"}), 0);
  EXPECT_EQ(rows_.Insert(-1, {"d"}), 2) << "a negative index appends";
  EXPECT_EQ(rows_.Insert(99, {"e"}), 3) << "an index past the end appends";
  EXPECT_EQ(rows_.Insert(2, {"c"}), 2);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
}

TEST_F(ListViewRowsTest, every_row_has_its_own_identity_that_finds_it_wherever_it_moves) {
  Fill(3);
  const ListViewRowId last = rows_.IdAt(2);
  std::set<ListViewRowId> ids{rows_.IdAt(0), rows_.IdAt(1), last};
  EXPECT_EQ(ids.size(), 3u);
  EXPECT_FALSE(ids.contains(0));
  rows_.Insert(0, {"top"});
  EXPECT_EQ(rows_.IndexOf(last), 3);
  rows_.Erase(3);
  EXPECT_EQ(rows_.IndexOf(last), -1);
  rows_.Insert(-1, {"new"});
  EXPECT_NE(rows_.IdAt(3), last) << "an identity is never given again";
  EXPECT_EQ(rows_.IdAt(9), 0u);
  EXPECT_EQ(rows_.IndexOf(0), -1);
}

TEST_F(ListViewRowsTest, a_new_row_takes_the_list_s_state_image_unless_it_brings_one) {
  rows_.Insert(-1, {"plain"});
  rows_.SetDefaultStateImage(1);
  rows_.Insert(-1, {"default"});
  rows_.Insert(-1, {"checked", -1, 2});
  rows_.Insert(-1, {"no box", -1, 0});
  EXPECT_EQ(rows_.StateImage(0), 0);
  EXPECT_EQ(rows_.StateImage(1), 1);
  EXPECT_EQ(rows_.StateImage(2), 2);
  EXPECT_EQ(rows_.StateImage(3), 0);
  rows_.FillMissingStateImages(1);
  EXPECT_EQ(rows_.StateImage(0), 1);
  EXPECT_EQ(rows_.StateImage(2), 2) << "a row's own image stays";
}

TEST_F(ListViewRowsTest, state_images_are_kept_modulo_16_and_never_negative) {
  Fill(1);
  for (const auto& [given, kept] : std::vector<std::pair<int, int>>{{2, 2}, {15, 15}, {17, 1}, {-3, 0}}) {
    rows_.SetStateImage(0, given);
    EXPECT_EQ(rows_.StateImage(0), kept) << given;
  }
}

TEST_F(ListViewRowsTest, each_column_keeps_its_own_text) {
  Fill(1);
  rows_.SetText(0, 3, "three");
  EXPECT_EQ(rows_.Text(0, 0), "0");
  EXPECT_EQ(rows_.Text(0, 2), "") << "a column between is empty";
  EXPECT_EQ(rows_.Text(0, 3), "three");
  rows_.SetText(0, 1, "one");
  rows_.SetText(0, 0, "zero, longer");
  rows_.SetText(0, 3, "");
  EXPECT_EQ(rows_.Text(0, 0), "zero, longer");
  EXPECT_EQ(rows_.Text(0, 1), "one");
  EXPECT_EQ(rows_.Text(0, 3), "");
  EXPECT_EQ(rows_.Text(0, 9), "");
  EXPECT_EQ(rows_.Text(1, 0), "") << "no such row";
}

TEST_F(ListViewRowsTest, a_row_can_bring_the_texts_of_its_later_columns) {
  const std::string_view later[] = {"one", std::string_view("two\0cut", 7), "", "four"};
  rows_.Insert(0, {"zero"}, later);
  EXPECT_EQ(rows_.Text(0, 0), "zero");
  EXPECT_EQ(rows_.Text(0, 1), "one");
  EXPECT_EQ(rows_.Text(0, 2), "two") << "cut at its NUL, as any text";
  EXPECT_EQ(rows_.Text(0, 3), "");
  EXPECT_EQ(rows_.Text(0, 4), "four");
  EXPECT_EQ(rows_.Text(0, 5), "");
  rows_.SetText(0, 3, "three");
  EXPECT_EQ(rows_.Text(0, 4), "four") << "set column by column afterwards as any other row";
}

TEST_F(ListViewRowsTest, a_text_ends_at_its_first_nul_and_is_otherwise_kept_whole) {
  Fill(1);
  const std::string long_text(100000, 'x');
  rows_.SetText(0, 1, long_text);
  rows_.SetText(0, 0, std::string("cut\0off", 7));
  EXPECT_EQ(rows_.Text(0, 0), "cut");
  EXPECT_EQ(rows_.Text(0, 1), long_text);
}

TEST_F(ListViewRowsTest, selection_and_focus_stay_with_their_rows_when_rows_come_and_go) {
  Fill(5);
  rows_.Select(2, true);
  rows_.Select(4, true);
  rows_.SetFocused(4);
  rows_.Insert(0, {"top"});
  rows_.Insert(-1, {"end"});
  EXPECT_EQ(Selected(), (std::vector<int>{3, 5}));
  EXPECT_EQ(rows_.Focused(), 5);
  rows_.Erase(0);
  rows_.Erase(1);
  EXPECT_EQ(Selected(), (std::vector<int>{1, 3}));
  EXPECT_EQ(rows_.FirstSelected(), 1);
  EXPECT_EQ(rows_.Focused(), 3);
  rows_.Erase(3);
  EXPECT_EQ(rows_.Focused(), -1) << "the focused row went";
  EXPECT_EQ(rows_.SelectedCount(), 1);
}

TEST_F(ListViewRowsTest, whole_and_partial_selection_changes_keep_the_count) {
  Fill(6);
  rows_.SelectRange(4, 9, true);
  EXPECT_EQ(Selected(), (std::vector<int>{4, 5}));
  rows_.SelectAll(true);
  EXPECT_EQ(rows_.SelectedCount(), 6);
  rows_.SelectRange(-2, 1, false);
  EXPECT_EQ(rows_.FirstSelected(), 2);
  rows_.SelectAll(false);
  EXPECT_EQ(rows_.SelectedCount(), 0);
  EXPECT_EQ(rows_.FirstSelected(), -1);
  EXPECT_FALSE(rows_.IsSelected(5));
}

TEST_F(ListViewRowsTest, erasing_by_identity_keeps_the_rest_in_order_with_their_states) {
  Fill(5);
  rows_.Select(3, true);
  rows_.SetFocused(4);
  const std::vector<ListViewRowId> gone{rows_.IdAt(0), rows_.IdAt(2), 12345678};
  EXPECT_EQ(rows_.EraseIds(gone), 2);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"1", "3", "4"}));
  EXPECT_EQ(Selected(), (std::vector<int>{1}));
  EXPECT_EQ(rows_.Focused(), 2);
  EXPECT_EQ(rows_.EraseIds(gone), 0) << "rows already gone are ignored";
}

TEST_F(ListViewRowsTest, reordering_moves_every_part_of_a_row) {
  Fill(3);
  rows_.SetText(2, 1, "two");
  rows_.SetStateImage(2, 2);
  rows_.Select(2, true);
  rows_.SetFocused(0);
  const ListViewRowId id = rows_.IdAt(2);
  const std::vector<std::int32_t> order{2, 0, 1};
  ASSERT_TRUE(rows_.Reorder(order));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"2", "0", "1"}));
  EXPECT_EQ(rows_.Text(0, 1), "two");
  EXPECT_EQ(rows_.StateImage(0), 2);
  EXPECT_EQ(Selected(), (std::vector<int>{0}));
  EXPECT_EQ(rows_.Focused(), 1);
  EXPECT_EQ(rows_.IdAt(0), id);
}

TEST_F(ListViewRowsTest, an_order_that_is_no_permutation_changes_nothing) {
  Fill(3);
  const std::vector<std::vector<std::int32_t>> wrong{{0, 1}, {0, 1, 1}, {0, 1, 3}, {-1, 0, 1}, {0, 1, 2, 3}};
  for (const auto& order : wrong) {
    EXPECT_FALSE(rows_.Reorder(order)) << order.size();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"0", "1", "2"}));
  }
}

TEST_F(ListViewRowsTest, a_row_that_does_not_exist_reads_as_nothing_and_changes_nothing) {
  Fill(1);
  for (int index : {-1, 1}) {
    rows_.SetText(index, 0, "x");
    rows_.SetStateImage(index, 2);
    rows_.Select(index, true);
    rows_.Erase(index);
    EXPECT_EQ(rows_.StateImage(index), 0);
    EXPECT_FALSE(rows_.IsSelected(index));
    EXPECT_EQ(rows_.ItemAt(index).item_data, 0);
  }
  rows_.SetFocused(5);
  EXPECT_EQ(rows_.Focused(), -1);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"0"}));
  EXPECT_EQ(rows_.SelectedCount(), 0);
}

TEST_F(ListViewRowsTest, an_item_reads_back_as_it_went_in) {
  rows_.Insert(-1, {"text", 3, 2, 4, -77});
  const ListViewItemSpec item = rows_.ItemAt(0);
  EXPECT_EQ(item.text, "text");
  EXPECT_EQ(item.image, 3);
  EXPECT_EQ(item.state_image, 2);
  EXPECT_EQ(item.indent, 4);
  EXPECT_EQ(item.item_data, -77);
}

}  // namespace
}  // namespace vorlix::platform
