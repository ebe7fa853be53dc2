#include "runtime/core/template/stored_properties.h"

#include <gtest/gtest.h>

#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

TEST(StoredProperties, position_and_size_are_written_back_into_the_record) {
  UnitRecord unit;
  ASSERT_TRUE(WriteStoredProperty(unit, common_props::kLeft, 10));
  ASSERT_TRUE(WriteStoredProperty(unit, common_props::kTop, -2));
  ASSERT_TRUE(WriteStoredProperty(unit, common_props::kWidth, 300));
  ASSERT_TRUE(WriteStoredProperty(unit, common_props::kHeight, 40));
  EXPECT_EQ(unit.left, 10);
  EXPECT_EQ(unit.top, -2);
  EXPECT_EQ(unit.width, 300);
  EXPECT_EQ(unit.height, 40);
  EXPECT_EQ(ReadStoredProperty(unit, common_props::kWidth), PropertyValue(300));
}

TEST(StoredProperties, visible_and_disabled_change_only_their_state_bits) {
  UnitRecord unit;
  unit.state = state_flags::kTabStop;
  ASSERT_TRUE(WriteStoredProperty(unit, common_props::kVisible, 1));
  ASSERT_TRUE(WriteStoredProperty(unit, common_props::kDisabled, 7));
  EXPECT_EQ(unit.state, state_flags::kTabStop | state_flags::kVisible | state_flags::kDisabled);
  ASSERT_TRUE(WriteStoredProperty(unit, common_props::kVisible, 0));
  EXPECT_EQ(unit.state, state_flags::kTabStop | state_flags::kDisabled);
  EXPECT_EQ(ReadStoredProperty(unit, common_props::kDisabled), PropertyValue(1));
}

TEST(StoredProperties, tag_and_mouse_pointer_replace_the_stored_texts_and_bytes) {
  UnitRecord unit;
  ASSERT_TRUE(WriteStoredProperty(unit, common_props::kTag, Text("\xB1\xEA")));
  ASSERT_TRUE(WriteStoredProperty(unit, common_props::kMousePointer, ByteSet{2, 0, 0, 0}));
  EXPECT_EQ(unit.tag, "\xB1\xEA");
  EXPECT_EQ(unit.pointer_data, (ByteSet{2, 0, 0, 0}));
}

TEST(StoredProperties, a_type_property_or_a_value_of_another_form_leaves_the_record_alone) {
  UnitRecord unit;
  EXPECT_FALSE(WriteStoredProperty(unit, 8, 1));
  EXPECT_FALSE(WriteStoredProperty(unit, common_props::kLeft, Text("1")));
  EXPECT_FALSE(WriteStoredProperty(unit, common_props::kVisible, Text("1")));
  EXPECT_EQ(unit, UnitRecord{});
  EXPECT_FALSE(ReadStoredProperty(unit, 8).has_value());
}

TEST(MenuProperties, caption_and_states_are_written_back_into_the_item) {
  MenuItemRecord item;
  ASSERT_TRUE(WriteMenuProperty(item, menu_props::kCaption, Text("\xBD\xFB\xD3\xC3")));
  ASSERT_TRUE(WriteMenuProperty(item, menu_props::kChecked, 1));
  ASSERT_TRUE(WriteMenuProperty(item, menu_props::kDisabled, 1));
  EXPECT_EQ(item.caption, "\xBD\xFB\xD3\xC3");
  EXPECT_EQ(item.flags, menu_flags::kChecked | menu_flags::kDisabled);
}

TEST(MenuProperties, visible_is_the_stored_hidden_bit_inverted) {
  MenuItemRecord item;
  item.flags = menu_flags::kHidden;
  EXPECT_EQ(ReadMenuProperty(item, menu_props::kVisible), PropertyValue(0));
  ASSERT_TRUE(WriteMenuProperty(item, menu_props::kVisible, 1));
  EXPECT_EQ(item.flags, 0u);
  ASSERT_TRUE(WriteMenuProperty(item, menu_props::kVisible, 0));
  EXPECT_EQ(item.flags, menu_flags::kHidden);
  EXPECT_FALSE(WriteMenuProperty(item, 4, 1));
}

}  // namespace
}  // namespace vorlix::core
