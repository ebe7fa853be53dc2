#include "runtime/core/program/window_builder.h"

#include <algorithm>

#include "platform/native_menu.h"
#include "runtime/core/template/build_plan.h"
#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/events/raise_unit_event.h"
#include "runtime/core/events/window_events.h"
#include "runtime/core/events/window_focus.h"
#include "runtime/core/state/live_windows.h"
#include "runtime/core/template/menu_plan.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/units/standard_unit_types.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/units/unit_pointers.h"
#include "runtime/core/events/window_notice_handling.h"
#include "runtime/core/units/window_unit.h"

namespace vorlix::core {
namespace {

// Delivery stays suspended for as long as the build runs, however it ends.
class SuspendedDelivery {
 public:
  SuspendedDelivery() { SuspendEventDelivery(); }
  ~SuspendedDelivery() { Resume(); }
  void Resume() {
    if (suspended_) ResumeEventDelivery();
    suspended_ = false;
  }
  SuspendedDelivery(const SuspendedDelivery&) = delete;
  SuspendedDelivery& operator=(const SuspendedDelivery&) = delete;

 private:
  bool suspended_ = true;
};

bool BringForward(LiveWindow& live) {
  const auto window = live.frame->window();
  if (platform::IsNativeWindowMinimised(window)) {
    platform::RestoreNativeWindow(window);
  } else {
    platform::ActivateNativeWindow(window);
  }
  return true;
}

std::unique_ptr<LiveUnit> CreateUnit(const UnitRecord& record, platform::WindowHandle parent, int control_id) {
  const UnitTypeDescriptor* type = FindUnitType(record.type);
  const UnitRealiser* realiser = FindRealiser(record.type);
  if (type == nullptr || realiser == nullptr) return nullptr;
  auto data = UnitPropertyData::Parse(*type, record.property_data);
  if (!data) return nullptr;
  const bool visual = !type->IsNonVisual();
  platform::ChildWindowSpec spec;
  spec.parent = parent;
  spec.control_id = control_id;
  spec.placement = {record.left, record.top, record.width, record.height};
  spec.disabled = visual && (record.state & state_flags::kDisabled) != 0;
  spec.tab_stop = visual && (record.state & state_flags::kTabStop) != 0;
  return realiser->create(UnitCreation{record.type, std::move(*data), spec});
}

bool CreateUnits(LiveWindow& live, const WindowRecord& window) {
  for (const auto& planned : CreationOrder(window)) {
    const UnitRecord& record = *window.records[planned.record_index].Unit();
    auto unit = CreateUnit(record, live.frame->window(), planned.control_id);
    if (unit == nullptr) return false;
    live.units.push_back({planned.id, planned.control_id, std::move(unit)});
  }
  return true;
}

void PlaceInContainers(LiveWindow& live, const WindowRecord& window) {
  for (auto& entry : live.units) {
    const UnitRecord& record = *FindRecord(window, entry.id)->Unit();
    if (record.parent == 0) continue;
    if (LiveUnitEntry* container = live.Find(record.parent)) {
      platform::SetParentOf(entry.unit->window(), container->unit->window());
    }
  }
}

void Stack(LiveWindow& live, const WindowRecord& window) {
  for (const auto& step : StackingOrder(window)) {
    LiveUnitEntry* unit = live.Find(step.unit);
    LiveUnitEntry* above = step.below == 0 ? nullptr : live.Find(step.below);
    platform::PlaceBelow(unit->unit->window(), above != nullptr ? above->unit->window() : 0);
  }
}

// Visible flags, and the children of later pages of paged containers.
void ShowUnits(LiveWindow& live, const WindowRecord& window) {
  std::vector<UnitId> later_pages;
  for (const auto& entry : live.units) {
    const UnitRecord& record = *FindRecord(window, entry.id)->Unit();
    if ((entry.unit->type().flags & type_flags::kPagedContainer) != 0) {
      auto hidden = ChildrenOfLaterPages(record);
      later_pages.insert(later_pages.end(), hidden.begin(), hidden.end());
    }
  }
  for (const auto& entry : live.units) {
    const UnitRecord& record = *FindRecord(window, entry.id)->Unit();
    const bool shown = !entry.unit->type().IsNonVisual() && (record.state & state_flags::kVisible) != 0 &&
                       std::find(later_pages.begin(), later_pages.end(), entry.id) == later_pages.end();
    platform::ShowNativeWindow(entry.unit->window(),
                               shown ? platform::ShowMode::kShowWithoutActivating : platform::ShowMode::kHide);
  }
}

void RaiseWindowEvent(WindowId window, std::int32_t event) { RaiseUnitEvent(window, kWindowOwnRecordId, event); }

void DisableOtherWindows(LiveWindow& live) {
  for (auto other : platform::ThreadTopLevelWindows()) {
    if (other == live.frame->window() || !platform::IsNativeWindowEnabled(other)) continue;
    if (!platform::IsNativeWindowVisible(other)) continue;
    platform::EnableNativeWindow(other, false);
    live.disabled_while_modal.push_back(other);
  }
}

void ShowWindowAndFocus(LiveWindow& live, const WindowRecord& window, bool modal) {
  const UnitRecord& own = *window.records[0].Unit();
  if ((own.state & state_flags::kVisible) != 0) {
    platform::ShowNativeWindow(live.frame->window(), FirstShowMode(*live.frame));
  }
  if (modal) DisableOtherWindows(live);
  for (auto& entry : live.units) entry.unit->WindowShown();
  FocusFirstUnit(live, window);
}

}  // namespace

bool BuildWindow(const BuildRequest& request) {
  WindowTemplate* found = FindWindow(Runtime().windows, request.window);
  if (found == nullptr) return false;
  if (LiveWindow* live = FindLiveWindow(request.window)) return !request.activate_existing || BringForward(*live);
  InstallWindowNoticeHandling();
  AttachStandardRealisers();
  const WindowRecord& window = found->record;
  SuspendedDelivery suspended;
  const auto menu_items = MenuBarItems(window);
  const platform::MenuHandle menu = menu_items.empty() ? 0 : platform::CreateMenuBar(menu_items);
  auto frame = CreateWindowUnit(*window.records[0].Unit(), menu);
  if (frame == nullptr) {
    platform::DestroyNativeMenu(menu);
    return false;
  }
  LiveWindow& live = AddLiveWindow(request.window, std::move(frame));
  live.menu = menu;
  if (!CreateUnits(live, window)) {
    platform::DestroyNativeWindow(live.frame->window());
    return false;
  }
  PlaceInContainers(live, window);
  Stack(live, window);
  LoadUnitPointers(live, window);
  for (auto& entry : live.units) entry.unit->WindowBuilt();
  live.frame->WindowBuilt();
  ShowUnits(live, window);
  live.accelerators = platform::CreateAccelerators(MenuAccelerators(window));
  suspended.Resume();
  RaiseWindowEvent(request.window, 0);
  if (FindLiveWindow(request.window) != nullptr) {
    RaiseWindowEvent(request.window, 3);
    RaiseWindowEvent(request.window, 4);
  }
  // A handler may have closed the window already.
  if (LiveWindow* still = FindLiveWindow(request.window)) ShowWindowAndFocus(*still, window, request.modal);
  CatchUpFirstActivation(request.window);
  return true;
}

}  // namespace vorlix::core
