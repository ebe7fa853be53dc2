#include "runtime/core/state/live_windows.h"
#include "runtime/core/events/raise_unit_event.h"
#include "runtime/core/events/window_events.h"

namespace vorlix::core {
namespace {

using platform::NoticeKind;

constexpr std::int32_t kButtonClicked = 0;
constexpr std::int32_t kFocusGained = -7;
constexpr std::int32_t kFocusLost = -8;

namespace list_view_events {
enum : std::int32_t {
  kFocusedRowChanged = 0, kRowActivated = 1, kColumnClicked = 2, kRowHotTracked = 3, kClicked = 4,
  kRightClicked = 5, kLabelEditStarting = 6, kCheckChanged = 8,
};
}  // namespace list_view_events

UnitTypeCode TypeOf(const UnitAddress& address) {
  LiveUnit* unit = FindLiveUnit(address.window, address.unit);
  return unit != nullptr ? unit->type_code() : 0;
}

void ButtonClicked(const UnitAddress& unit, const platform::Notice& notice) {
  const UnitTypeCode type = TypeOf(unit);
  // A radio box reports a click of its own when the focus moves onto it.
  if (type == type_codes::kRadioBox && notice.value != 0) return;
  if (type == type_codes::kButton || type == type_codes::kCheckBox || type == type_codes::kRadioBox) {
    RaiseUnitEvent(unit.window, unit.unit, kButtonClicked);
  }
}

void FocusGained(const UnitAddress& unit) {
  if (unit.unit != kWindowOwnRecordId) {
    if (LiveWindow* live = FindLiveWindow(unit.window)) live->last_focused = unit.unit;
  }
  RaiseUnitEvent(unit.window, unit.unit, kFocusGained);
}

std::optional<std::intptr_t> ListViewNotice(const UnitAddress& unit, const platform::Notice& notice) {
  using namespace list_view_events;
  const auto value = static_cast<std::int32_t>(notice.value);
  switch (notice.kind) {
    case NoticeKind::kFocusedRowChanged: RaiseUnitEvent(unit.window, unit.unit, kFocusedRowChanged); break;
    case NoticeKind::kRowActivated: RaiseUnitEvent(unit.window, unit.unit, kRowActivated); break;
    case NoticeKind::kColumnClicked: RaiseUnitEvent(unit.window, unit.unit, kColumnClicked, {value}); break;
    case NoticeKind::kRowHotTracked: RaiseUnitEvent(unit.window, unit.unit, kRowHotTracked, {value}); break;
    case NoticeKind::kClicked: RaiseUnitEvent(unit.window, unit.unit, kClicked); break;
    case NoticeKind::kRightClicked: RaiseUnitEvent(unit.window, unit.unit, kRightClicked); break;
    case NoticeKind::kLabelEditStarting:
      if (Refused(RaiseUnitEvent(unit.window, unit.unit, kLabelEditStarting, {value}))) return 0;
      break;
    case NoticeKind::kCheckChanged:
      RaiseUnitEvent(unit.window, unit.unit, kCheckChanged, {value, static_cast<std::int32_t>(notice.value2)});
      break;
    default: break;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::intptr_t> HandleUnitNotice(const platform::Notice& notice) {
  auto unit = UnitOfWindowHandle(notice.window);
  if (!unit) return std::nullopt;
  switch (notice.kind) {
    case NoticeKind::kFocusGained: FocusGained(*unit); return std::nullopt;
    case NoticeKind::kFocusLost: RaiseUnitEvent(unit->window, unit->unit, kFocusLost); return std::nullopt;
    case NoticeKind::kButtonClicked: ButtonClicked(*unit, notice); return std::nullopt;
    default: break;
  }
  if (TypeOf(*unit) != type_codes::kListView) return std::nullopt;
  return ListViewNotice(*unit, notice);
}

}  // namespace vorlix::core
