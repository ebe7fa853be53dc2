#include "runtime/commands/list_view_commands.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "platform/list_view_control.h"
#include "runtime/commands/thread_commands.h"
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

TEST_F(ListViewCommands, the_column_count_is_the_headers) {
  EXPECT_EQ(ListViewGetColumnCount(list_), 2);
}

TEST_F(ListViewCommands, a_unit_that_is_not_loaded_is_a_fatal_error) {
  const core::UnitReference missing{test::kSampleWindow, 0x16017777, core::type_codes::kListView};
  const auto error = test::FatalErrorOf([&] { ListViewGetCount(missing); });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->text, texts::kUnitNotLoaded);
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
