#include "runtime/core/events/input_events.h"

#include "platform/input_messages.h"
#include "runtime/core/events/event_key_codes.h"
#include "runtime/core/state/live_windows.h"
#include "runtime/core/events/raise_unit_event.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/events/window_keyboard.h"

namespace vorlix::core {
namespace {

using platform::InputKind;

constexpr int kWheelNotch = 120;
constexpr std::int32_t kCharacterTyped = -11;

std::int32_t MouseEventOf(InputKind kind) {
  switch (kind) {
    case InputKind::kLeftDown: return -1;
    case InputKind::kLeftUp: return -2;
    case InputKind::kLeftDoubleClick: return -3;
    case InputKind::kRightDown: return -4;
    case InputKind::kRightUp: return -5;
    case InputKind::kMouseMove: return -6;
    default: return 0;
  }
}

// The common event of the input for the unit; true when a handler swallowed it.
bool RaiseInputEvent(const UnitAddress& unit, const platform::InputMessage& input, int modifiers,
                     platform::WindowMessage& message) {
  switch (input.kind) {
    case InputKind::kKeyDown:
    case InputKind::kKeyUp:
      return Refused(RaiseUnitEvent(unit.window, unit.unit, input.kind == InputKind::kKeyDown ? -9 : -10,
                                    {EventKeyCode(input.key), EventShiftState(input.key, modifiers)}));
    case InputKind::kCharacter: {
      const EventRequest request = RaiseUnitEvent(unit.window, unit.unit, kCharacterTyped, {input.key});
      if (!request.result_present) return false;
      if (request.result == 0) return true;
      platform::ReplaceCharacter(message, static_cast<int>(request.result));
      return false;
    }
    case InputKind::kWheel:
      return Refused(RaiseUnitEvent(unit.window, unit.unit, -12, {input.wheel_delta / kWheelNotch, modifiers}));
    default:
      if (std::int32_t event = MouseEventOf(input.kind); event != 0) {
        return Refused(RaiseUnitEvent(unit.window, unit.unit, event, {input.x, input.y, modifiers}));
      }
      return false;
  }
}

}  // namespace

bool PreTranslateWindowMessage(platform::WindowMessage& message) {
  if (message.window == 0) return false;
  if (platform::IsKeyboardMessage(message) && !platform::IsNativeWindowEnabled(message.window)) return true;
  const platform::InputMessage input = platform::DecodeInput(message);
  if (input.kind == InputKind::kOther) return false;
  if (input.kind == InputKind::kLeftDown || input.kind == InputKind::kNonClientLeftDown) {
    platform::CancelMouseHold(message.window);
  }
  const auto unit = UnitContainingWindowHandle(message.window);
  LiveWindow* live = unit ? FindLiveWindow(unit->window) : nullptr;
  const WindowTemplate* record = unit ? FindWindow(Runtime().windows, unit->window) : nullptr;
  if (live == nullptr || record == nullptr) return false;
  if (platform::TranslateShortcut(live->frame->window(), live->accelerators, message)) return true;
  const int modifiers = platform::ModifierKeys();
  if (HandleWindowKey(*live, record->record, input, modifiers)) return true;
  return RaiseInputEvent(*unit, input, modifiers, message);
}

}  // namespace vorlix::core
