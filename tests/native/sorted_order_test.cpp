#include "app/results/sorted_order.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/native/insertion_sort_reference.h"

namespace vorlix::app {
namespace {

using Order = std::vector<std::int32_t>;
using test::InsertedOneByOne;

TEST(SortedOrder, follows_the_insertion_rules_for_the_edge_cases) {
  const struct {
    std::vector<core::Text> keys;
    Order order;
  } cases[] = {
      {{}, {}},
      {{"only"}, {0}},
      {{"b", "B", "a"}, {1, 2, 0}},               // capitals before small letters
      {{"x", "x", "x", "x"}, {0, 1, 2, 3}},       // equal keys keep the order read
      {{"\xD6\xD0", "z", "A"}, {2, 1, 0}},        // ASCII before Chinese
      {{"b", "a", "c", "b", "b"}, {1, 0, 4, 3, 2}},  // an equal key goes right after the one met
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SortedOrder(c.keys, true), c.order) << ::testing::PrintToString(c.keys);
    EXPECT_EQ(SortedOrder(c.keys, true), InsertedOneByOne(c.keys, true));
  }
}

// Few distinct keys, so most insertions meet ties, in either case mode.
TEST(SortedOrder, matches_the_insertion_procedure_on_random_lists_with_many_ties) {
  const std::vector<core::Text> alphabet = {"", "a", "A", "b", "ab", "aB", "\xB0\xA1", "\xB0\xA1" "a", "z"};
  std::mt19937 random(12345);
  for (int round = 0; round < 400; ++round) {
    const std::size_t length = random() % 200;
    const std::size_t distinct = 1 + random() % alphabet.size();
    std::vector<core::Text> keys;
    for (std::size_t i = 0; i < length; ++i) keys.push_back(alphabet[random() % distinct]);
    const bool case_sensitive = round % 2 == 0;
    ASSERT_EQ(SortedOrder(keys, case_sensitive), InsertedOneByOne(keys, case_sensitive))
        << "round " << round << " with " << length << " keys";
  }
}

// Long enough to be sorted in two halves on two threads and merged.
TEST(SortedOrder, matches_the_insertion_procedure_on_a_long_list) {
  std::mt19937 random(7);
  std::vector<core::Text> keys;
  for (int i = 0; i < 30000; ++i) keys.push_back(std::to_string(random() % 3000));
  EXPECT_EQ(SortedOrder(keys, true), InsertedOneByOne(keys, true));
}

}  // namespace
}  // namespace vorlix::app
