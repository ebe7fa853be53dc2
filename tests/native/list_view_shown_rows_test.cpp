#include "platform/list_view_shown_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace vorlix::platform {
namespace {

// Against a plain model: the rows as identities, and a copy of them taken
// whenever the control takes the count.
TEST(ShownRows, each_shown_index_names_the_row_the_control_last_took_whatever_went_in_since) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    std::vector<int> rows;
    for (int i = 0; i < static_cast<int>(random() % 6); ++i) rows.push_back(i);
    int next_id = 100;
    std::vector<int> shown_rows = rows;
    ShownRows shown;
    shown.Shown(static_cast<int>(rows.size()));
    for (int step = 0; step < 40; ++step) {
      if (random() % 10 == 0) {
        shown_rows = rows;
        shown.Shown(static_cast<int>(rows.size()));
      }
      // At the top most often, as a search puts them; elsewhere and at the end too.
      const auto pick = random() % 4;
      const int at = pick < 2 ? 0 : pick == 2 ? static_cast<int>(random() % (rows.size() + 1))
                                              : static_cast<int>(rows.size());
      rows.insert(rows.begin() + at, next_id++);
      shown.Inserted(at, static_cast<int>(rows.size()));

      ASSERT_EQ(shown.Count(), static_cast<int>(shown_rows.size()));
      for (int j = 0; j < static_cast<int>(shown_rows.size()); ++j) {
        const int row = shown.RowOf(j);
        ASSERT_TRUE(row >= 0 && row < static_cast<int>(rows.size())) << "round " << round << " index " << j;
        ASSERT_EQ(rows[static_cast<std::size_t>(row)], shown_rows[static_cast<std::size_t>(j)]) << "round " << round;
      }
      for (int m = 0; m < static_cast<int>(rows.size()); ++m) {
        const auto found = std::find(shown_rows.begin(), shown_rows.end(), rows[static_cast<std::size_t>(m)]);
        const int expected = found == shown_rows.end() ? -1 : static_cast<int>(found - shown_rows.begin());
        ASSERT_EQ(shown.ShownOf(m), expected) << "round " << round << " row " << m;
      }
    }
  }
}

TEST(ShownRows, indices_outside_what_is_shown_name_no_row) {
  ShownRows shown;
  shown.Shown(3);
  shown.Inserted(0, 4);
  for (int outside : {-1, 3, 100}) EXPECT_EQ(shown.RowOf(outside), -1) << outside;
  EXPECT_EQ(shown.ShownOf(-1), -1);
  EXPECT_EQ(shown.ShownOf(4), -1);
  EXPECT_EQ(shown.ShownOf(0), -1) << "the row that went in";
}

TEST(ShownRows, insertions_at_one_place_are_one_entry_and_scattered_ones_crowd) {
  ShownRows shown;
  shown.Shown(1000);
  for (int i = 0; i < 5000; ++i) shown.Inserted(0, 1001 + i);
  EXPECT_FALSE(shown.Crowded()) << "a search's rows all going in at the top";
  EXPECT_EQ(shown.RowOf(0), 5000);
  for (int i = 0; i < 300 && !shown.Crowded(); ++i) shown.Inserted(2 * i + 5001, 6001 + i);
  EXPECT_TRUE(shown.Crowded());
  shown.Shown(6300);
  EXPECT_FALSE(shown.Crowded());
  EXPECT_EQ(shown.RowOf(10), 10);
}

}  // namespace
}  // namespace vorlix::platform
