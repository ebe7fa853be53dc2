#include "runtime/core/events/window_keyboard.h"

#include <algorithm>
#include <cctype>

#include "platform/button_control.h"
#include "runtime/core/events/event_key_codes.h"
#include "runtime/core/events/raise_unit_event.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "runtime/core/events/window_focus.h"

namespace vorlix::core {
namespace {

using namespace virtual_keys;

constexpr std::int32_t kClicked = 0;
constexpr int kReadOnlyInput = 1;

bool Switch(LiveWindow& live, int property) { return std::get<std::int32_t>(*live.frame->Get(property)) != 0; }

LiveUnitEntry* FocusedUnit(LiveWindow& live) {
  auto unit = UnitContainingWindowHandle(platform::FocusedWindow());
  if (!unit || unit->window != live.id) return nullptr;
  return live.Find(unit->unit);
}

void MoveFocus(LiveWindow& live, const WindowRecord& window, bool forward) {
  const auto order = FocusOrder(live, window);
  if (order.empty()) return;
  const auto at = std::find(order.begin(), order.end(), FocusedUnit(live));
  const auto count = static_cast<std::ptrdiff_t>(order.size());
  std::ptrdiff_t next = forward ? 0 : count - 1;
  if (at != order.end()) next = ((at - order.begin()) + (forward ? 1 : count - 1)) % count;
  platform::FocusNativeWindow(order[static_cast<std::size_t>(next)]->unit->window());
}

// Only a multi-line edit box that may be typed in takes Enter itself.
bool WantsEnter(LiveUnitEntry* focused) {
  if (focused == nullptr || focused->unit->type_code() != type_codes::kEditBox) return false;
  LiveUnit& box = *focused->unit;
  return std::get<std::int32_t>(*box.Get(edit_box_props::kMultiLine)) != 0 &&
         std::get<std::int32_t>(*box.Get(edit_box_props::kInputMode)) != kReadOnlyInput;
}

bool IsRadioBox(const LiveUnitEntry* entry) {
  return entry != nullptr && entry->unit->type_code() == type_codes::kRadioBox;
}

// Checks the radio box and unchecks the others on its container.
void CheckRadioBox(LiveWindow& live, LiveUnitEntry& radio) {
  const auto container = platform::ParentOf(radio.unit->window());
  for (auto& entry : live.units) {
    if (IsRadioBox(&entry) && platform::ParentOf(entry.unit->window()) == container) {
      platform::SetButtonChecked(entry.unit->window(), &entry == &radio);
    }
  }
}

void MoveAmongRadioBoxes(LiveWindow& live, const WindowRecord& window, LiveUnitEntry& focused, bool forward) {
  const auto container = platform::ParentOf(focused.unit->window());
  auto group = FocusOrder(live, window);
  std::erase_if(group, [&](LiveUnitEntry* entry) {
    return !IsRadioBox(entry) || platform::ParentOf(entry->unit->window()) != container;
  });
  const auto at = std::find(group.begin(), group.end(), &focused);
  if (at == group.end() || group.size() < 2) return;
  const auto count = static_cast<std::ptrdiff_t>(group.size());
  LiveUnitEntry& next = *group[static_cast<std::size_t>(((at - group.begin()) + (forward ? 1 : count - 1)) % count)];
  CheckRadioBox(live, next);
  RaiseUnitEvent(live.id, next.id, kClicked);
  if (LiveUnit* still = FindLiveUnit(live.id, next.id)) platform::FocusNativeWindow(still->window());
}

bool HasMnemonic(const std::string& caption, char letter) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] == '&' && std::toupper(static_cast<unsigned char>(caption[i + 1])) == letter) return true;
  }
  return false;
}

// A label passes the focus to the first unit after it that takes the focus.
void FocusAfter(LiveWindow& live, const WindowRecord& window, const LiveUnitEntry& label) {
  const auto order = FocusOrder(live, window);
  for (auto it = live.units.begin() + (&label - live.units.data()) + 1; it != live.units.end(); ++it) {
    if (std::find(order.begin(), order.end(), &*it) != order.end()) {
      platform::FocusNativeWindow(it->unit->window());
      return;
    }
  }
}

bool ActivateMnemonic(LiveWindow& live, const WindowRecord& window, char letter) {
  for (auto& entry : live.units) {
    const UnitTypeCode type = entry.unit->type_code();
    const bool clickable =
        type == type_codes::kButton || type == type_codes::kCheckBox || type == type_codes::kRadioBox;
    if (!clickable && type != type_codes::kLabel) continue;
    const auto handle = entry.unit->window();
    if (!platform::IsNativeWindowShowing(handle) || !platform::IsNativeWindowEnabled(handle)) continue;
    if (!HasMnemonic(platform::NativeWindowText(handle), letter)) continue;
    // The click reaches the unit's event 0 through the button's own notice.
    if (clickable) {
      platform::ClickButton(handle);
    } else {
      FocusAfter(live, window, entry);
    }
    return true;
  }
  return false;
}

bool IsLetterOrDigit(int key) { return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'); }

}  // namespace

bool HandleWindowKey(LiveWindow& live, const WindowRecord& window, const platform::InputMessage& key,
                     int modifiers) {
  if (key.kind != platform::InputKind::kKeyDown) return false;
  if (key.system_key) {
    return key.alt_down && IsLetterOrDigit(key.key) && ActivateMnemonic(live, window, static_cast<char>(key.key));
  }
  const bool plain = (modifiers & (modifier_bits::kCtrl | modifier_bits::kAlt)) == 0;
  LiveUnitEntry* focused = FocusedUnit(live);
  switch (key.key) {
    case kTab:
      if (!plain) return false;
      MoveFocus(live, window, (modifiers & modifier_bits::kShift) == 0);
      return true;
    case kEscape:
      if (!Switch(live, window_props::kEscCloses)) return false;
      platform::PostCloseRequest(live.frame->window());
      return true;
    case kReturn:
      if (WantsEnter(focused) || !Switch(live, window_props::kEnterMovesFocus)) return false;
      MoveFocus(live, window, true);
      return true;
    case kLeft:
    case kUp:
    case kRight:
    case kDown:
      if (!IsRadioBox(focused)) return false;
      MoveAmongRadioBoxes(live, window, *focused, key.key == kRight || key.key == kDown);
      return true;
    case kF1: {
      const auto help_file = std::get<Text>(*live.frame->Get(window_props::kHelpFile));
      if (!Switch(live, window_props::kF1OpensHelp) || help_file.empty()) return false;
      platform::OpenHelpFile(help_file);
      return true;
    }
    default: return false;
  }
}

}  // namespace vorlix::core
