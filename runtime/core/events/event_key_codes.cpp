#include "runtime/core/events/event_key_codes.h"

namespace vorlix::core {
namespace {

constexpr int kKeypad0 = 0x60;
constexpr int kKeypad9 = 0x69;
constexpr int kKeypadMinus = 0x6D;
constexpr int kKeypadPoint = 0x6E;
constexpr int kKeypadSlash = 0x6F;
// The main keyboard's minus, full stop and slash keys.
constexpr int kMinusKey = 189;
constexpr int kPointKey = 190;
constexpr int kSlashKey = 191;

}  // namespace

int EventKeyCode(int virtual_key) {
  if (virtual_key >= kKeypad0 && virtual_key <= kKeypad9) return '0' + (virtual_key - kKeypad0);
  switch (virtual_key) {
    case kKeypadMinus: return kMinusKey;
    case kKeypadPoint: return kPointKey;
    case kKeypadSlash: return kSlashKey;
    default: return virtual_key;
  }
}

int EventShiftState(int virtual_key, int modifiers) {
  switch (virtual_key) {
    case virtual_keys::kControl: return modifiers & ~modifier_bits::kCtrl;
    case virtual_keys::kShift: return modifiers & ~modifier_bits::kShift;
    case virtual_keys::kAlt: return modifiers & ~modifier_bits::kAlt;
    default: return modifiers;
  }
}

}  // namespace vorlix::core
