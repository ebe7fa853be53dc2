#include "runtime/core/units/unit_properties.h"

#include "platform/native_menu.h"
#include "runtime/core/values/fatal_error.h"
#include "runtime/core/state/live_windows.h"
#include "runtime/core/template/menu_plan.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/stored_properties.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/units/unit_pointers.h"
#include "runtime/core/template/unit_property_values.h"
#include "runtime/core/units/unit_recreation.h"
#include "runtime/core/units/window_menu.h"
#include "texts.h"

namespace vorlix::core {
namespace {

constexpr int kFirstTypeProperty = 8;
constexpr int kRuntimeErrorWrongType = 11;

struct Target {
  WindowRecord* window;
  TemplateRecord* record;
};

Target FindTarget(WindowId window, UnitId unit) {
  WindowTemplate* found = FindWindow(Runtime().windows, window);
  if (found == nullptr) FatalError(texts::kUnitWindowNotLoaded);
  TemplateRecord* record = FindRecord(found->record, unit == kWindowOwnRecordId ? 0 : unit);
  if (record == nullptr) FatalError(texts::kUnitNotLoaded);
  return {&found->record, record};
}

bool IsNonVisual(const UnitRecord& record) {
  const UnitTypeDescriptor* type = FindUnitType(record.type);
  return type != nullptr && type->IsNonVisual();
}

// The common properties of a unit that has a window, read from the window.
PropertyValue LiveCommonProperty(const LiveUnit& unit, const UnitRecord& record, int number) {
  using namespace common_props;
  const auto placement = platform::PlacementOf(unit.window());
  switch (number) {
    case kLeft: return placement.left;
    case kTop: return placement.top;
    case kWidth: return placement.width;
    case kHeight: return placement.height;
    case kVisible:
      if (IsNonVisual(record)) break;
      return std::int32_t{platform::IsNativeWindowVisible(unit.window())};
    case kDisabled:
      if (IsNonVisual(record)) break;
      return std::int32_t{!platform::IsNativeWindowEnabled(unit.window())};
  }
  return *ReadStoredProperty(record, number);
}

void ApplyCommonProperty(LiveWindow& live, LiveUnit& unit, const UnitRecord& record, int number) {
  using namespace common_props;
  const auto window = unit.window();
  switch (number) {
    case kLeft:
    case kTop:
    case kWidth:
    case kHeight: {
      auto placement = platform::PlacementOf(window);
      const std::int32_t value = std::get<std::int32_t>(*ReadStoredProperty(record, number));
      int* field[] = {&placement.left, &placement.top, &placement.width, &placement.height};
      *field[number] = value;
      platform::MoveNativeWindow(window, placement);
      break;
    }
    case kVisible:
      if (IsNonVisual(record)) break;
      platform::ShowNativeWindow(window, (record.state & state_flags::kVisible) != 0 ? platform::ShowMode::kShowNormal
                                                                                    : platform::ShowMode::kHide);
      break;
    case kDisabled:
      if (IsNonVisual(record)) break;
      platform::EnableNativeWindow(window, (record.state & state_flags::kDisabled) == 0);
      break;
    case kMousePointer: ApplyUnitPointer(live, window, record.pointer_data); break;
  }
}

// The stored record follows the window's place, which the user or the
// platform may have changed, before one of its numbers is written.
void CatchUpPlacement(const LiveUnit& unit, UnitRecord& record) {
  const auto placement = platform::PlacementOf(unit.window());
  record.left = placement.left;
  record.top = placement.top;
  record.width = placement.width;
  record.height = placement.height;
}

std::optional<PropertyValue> Converted(const Value& value, const PropertyValue& form) {
  auto converted = PropertyOfValue(value, form);
  if (!converted) RuntimeError(kRuntimeErrorWrongType);
  return converted;
}

Value ReadMenuItem(const MenuItemRecord& item, int number) {
  auto stored = ReadMenuProperty(item, number);
  if (!stored) return {};
  return ValueOfProperty(*stored, number == 0 ? PropertyValueKind::kText : PropertyValueKind::kTruth);
}

void WriteMenuItem(WindowId window, WindowRecord& record, TemplateRecord& item, int number, const Value& value) {
  auto form = ReadMenuProperty(*item.MenuItem(), number);
  if (!form) return;
  WriteMenuProperty(*item.MenuItem(), number, *Converted(value, *form));
  LiveWindow* live = FindLiveWindow(window);
  if (live == nullptr) return;
  // Hiding or showing an item changes the bar's layout: it is made again.
  RebuildMenuBar(*live, record);
}

}  // namespace

Value ReadUnitProperty(WindowId window, UnitId unit, int number) {
  const Target target = FindTarget(window, unit);
  if (const auto* item = target.record->MenuItem()) return ReadMenuItem(*item, number);
  const UnitRecord& record = *target.record->Unit();
  LiveUnit* live = FindLiveUnit(window, unit);
  if (number < kFirstTypeProperty) {
    if (number < 0) return {};
    return ValueOfCommonProperty(number, live != nullptr ? LiveCommonProperty(*live, record, number)
                                                         : *ReadStoredProperty(record, number));
  }
  if (live == nullptr) FatalError(texts::kWindowNotLoaded);
  const int property = number - kFirstTypeProperty;
  auto value = live->Get(property);
  if (!value) return {};
  return ValueOfProperty(*value, live->type().properties[property].kind);
}

void WriteUnitProperty(WindowId window, UnitId unit, int number, const Value& value) {
  const Target target = FindTarget(window, unit);
  if (target.record->IsMenuItem()) return WriteMenuItem(window, *target.window, *target.record, number, value);
  UnitRecord& record = *target.record->Unit();
  LiveUnit* live = FindLiveUnit(window, unit);
  if (number < kFirstTypeProperty) {
    if (number < 0) return;
    if (live != nullptr) CatchUpPlacement(*live, record);
    WriteStoredProperty(record, number, *Converted(value, *ReadStoredProperty(record, number)));
    if (live != nullptr) ApplyCommonProperty(*FindLiveWindow(window), *live, record, number);
    return;
  }
  if (live == nullptr) FatalError(texts::kWindowNotLoaded);
  const int property = number - kFirstTypeProperty;
  const auto current = live->Get(property);
  if (!current) return;
  if (live->Set(property, *Converted(value, *current)) == UnitPropertyData::SetResult::kNeedsRecreate) {
    RecreateUnit(*FindLiveWindow(window), *target.window, unit);
  }
}

}  // namespace vorlix::core
