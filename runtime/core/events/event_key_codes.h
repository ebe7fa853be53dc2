#pragma once

namespace vorlix::core {

// The key code that the key events pass for a virtual-key code: the keypad
// digits give the main digit keys' codes ("0"-"9"), the keypad minus,
// decimal point and slash give 189, 190 and 191; every other key its own.
int EventKeyCode(int virtual_key);

// The shift state of a key event from the modifier keys down (bit 0 Ctrl,
// bit 1 Shift, bit 2 Alt): a modifier key never reports itself.
int EventShiftState(int virtual_key, int modifiers);

// Virtual-key codes the runtime's keyboard handling looks at.
namespace virtual_keys {
constexpr int kTab = 0x09;
constexpr int kReturn = 0x0D;
constexpr int kShift = 0x10;
constexpr int kControl = 0x11;
constexpr int kAlt = 0x12;
constexpr int kEscape = 0x1B;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;
constexpr int kF1 = 0x70;
}  // namespace virtual_keys

namespace modifier_bits {
constexpr int kCtrl = 1;
constexpr int kShift = 2;
constexpr int kAlt = 4;
}  // namespace modifier_bits

}  // namespace vorlix::core
