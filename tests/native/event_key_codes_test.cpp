#include "runtime/core/events/event_key_codes.h"

#include <gtest/gtest.h>

namespace vorlix::core {
namespace {

TEST(EventKeyCodes, keypad_digits_give_the_main_digit_keys) {
  EXPECT_EQ(EventKeyCode(0x60), '0');
  EXPECT_EQ(EventKeyCode(0x69), '9');
  EXPECT_EQ(EventKeyCode('7'), '7');
}

TEST(EventKeyCodes, keypad_minus_point_and_slash_give_189_190_191) {
  EXPECT_EQ(EventKeyCode(0x6D), 189);
  EXPECT_EQ(EventKeyCode(0x6E), 190);
  EXPECT_EQ(EventKeyCode(0x6F), 191);
  EXPECT_EQ(EventKeyCode(0x6B), 0x6B) << "keypad plus keeps its code";
}

TEST(EventKeyCodes, a_modifier_key_never_reports_itself) {
  EXPECT_EQ(EventShiftState(virtual_keys::kControl, modifier_bits::kCtrl), 0);
  EXPECT_EQ(EventShiftState(virtual_keys::kShift, modifier_bits::kCtrl | modifier_bits::kShift), modifier_bits::kCtrl);
  EXPECT_EQ(EventShiftState(virtual_keys::kAlt, modifier_bits::kAlt), 0);
  EXPECT_EQ(EventShiftState('A', modifier_bits::kCtrl | modifier_bits::kAlt), modifier_bits::kCtrl | modifier_bits::kAlt);
}

}  // namespace
}  // namespace vorlix::core
