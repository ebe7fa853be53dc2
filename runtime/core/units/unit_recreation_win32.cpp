#include "runtime/core/units/unit_recreation.h"

#include "runtime/core/template/build_plan.h"
#include "runtime/core/template/template_loader.h"

namespace vorlix::core {
namespace {

bool HasFocusWithin(platform::WindowHandle window) {
  for (auto focused = platform::FocusedWindow(); focused != 0; focused = platform::ParentOf(focused)) {
    if (focused == window) return true;
  }
  return false;
}

// Moves the child windows over, keeping their stacking order.
void MoveChildren(platform::WindowHandle from, platform::WindowHandle to) {
  platform::WindowHandle above = 0;
  for (auto child : platform::ChildrenOf(from)) {
    platform::SetParentOf(child, to);
    platform::PlaceBelow(child, above);
    above = child;
  }
}

std::unique_ptr<LiveUnit> CreateLike(LiveUnitEntry& entry, const UnitRecord& record) {
  LiveUnit& old = *entry.unit;
  const UnitRealiser* realiser = FindRealiser(old.type_code());
  auto data = UnitPropertyData::Parse(old.type(), old.CurrentData());
  if (realiser == nullptr || !data) return nullptr;
  platform::ChildWindowSpec spec;
  spec.parent = platform::ParentOf(old.window());
  spec.control_id = entry.control_id;
  spec.placement = platform::PlacementOf(old.window());
  spec.disabled = !platform::IsNativeWindowEnabled(old.window());
  spec.tab_stop = !old.type().IsNonVisual() && (record.state & state_flags::kTabStop) != 0;
  return realiser->create(UnitCreation{old.type_code(), std::move(*data), spec});
}

}  // namespace

void RecreateUnit(LiveWindow& live, const WindowRecord& window, UnitId unit) {
  LiveUnitEntry* entry = live.Find(unit);
  const TemplateRecord* record = FindRecord(window, unit);
  if (entry == nullptr || record == nullptr || record->IsMenuItem()) return;
  auto replacement = CreateLike(*entry, *record->Unit());
  if (replacement == nullptr) return;
  const auto old_window = entry->unit->window();
  const bool focused = HasFocusWithin(old_window);
  const bool visible = platform::IsNativeWindowVisible(old_window);
  const auto new_window = replacement->window();
  LiveUnitEntry* above = live.Find(PrecedingSibling(window, unit));
  platform::PlaceBelow(new_window, above != nullptr ? above->unit->window() : 0);
  if ((replacement->type().flags & type_flags::kMovesChildren) != 0) MoveChildren(old_window, new_window);
  entry->unit = std::move(replacement);
  if (visible) platform::ShowNativeWindow(new_window, platform::ShowMode::kShowWithoutActivating);
  if (focused) platform::FocusNativeWindow(new_window);
}

}  // namespace vorlix::core
