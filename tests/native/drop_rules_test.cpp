#include "platform/drop_rules.h"

#include <gtest/gtest.h>

namespace vorlix::platform {
namespace {

using namespace drop_effect;
constexpr std::uint32_t kAll = kCopy | kMove | kLink;

TEST(DropEffect, data_the_target_does_not_take_has_no_effect) {
  EXPECT_EQ(ChooseDropEffect(false, {}, kAll), kNone);
}

TEST(DropEffect, ctrl_alone_copies_only_when_the_source_allows_it) {
  EXPECT_EQ(ChooseDropEffect(true, {.ctrl = true}, kAll), kCopy);
  EXPECT_EQ(ChooseDropEffect(true, {.ctrl = true}, kMove | kLink), kNone);
}

TEST(DropEffect, shift_alone_moves_only_when_the_source_allows_it) {
  EXPECT_EQ(ChooseDropEffect(true, {.shift = true}, kAll), kMove);
  EXPECT_EQ(ChooseDropEffect(true, {.shift = true}, kCopy | kLink), kNone);
}

TEST(DropEffect, ctrl_and_shift_together_have_no_effect) {
  EXPECT_EQ(ChooseDropEffect(true, {.ctrl = true, .shift = true}, kAll), kNone);
}

TEST(DropEffect, without_keys_copy_comes_before_move_before_link) {
  EXPECT_EQ(ChooseDropEffect(true, {}, kAll), kCopy);
  EXPECT_EQ(ChooseDropEffect(true, {}, kMove | kLink), kMove);
  EXPECT_EQ(ChooseDropEffect(true, {}, kLink), kLink);
  EXPECT_EQ(ChooseDropEffect(true, {}, kNone), kNone);
}

TEST(DroppedPaths, one_path_comes_alone_and_several_each_end_with_cr_lf) {
  EXPECT_EQ(JoinDroppedPaths({"C:\\a"}), "C:\\a");
  EXPECT_EQ(JoinDroppedPaths({"C:\\a", "D:\\b"}), "C:\\a\r\nD:\\b\r\n");
}

TEST(DroppedHtml, no_break_spaces_become_ordinary_spaces_and_nothing_else_changes) {
  EXPECT_EQ(WithOrdinarySpaces(u"a\u00A0b\u00A0\u3000c"), u"a b \u3000c");
}

}  // namespace
}  // namespace vorlix::platform
