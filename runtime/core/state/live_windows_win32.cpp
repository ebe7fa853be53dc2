#include "runtime/core/state/live_windows.h"

#include <algorithm>

#include "runtime/core/values/fatal_error.h"
#include "runtime/core/state/runtime_state.h"
#include "texts.h"

namespace vorlix::core {
namespace {

std::vector<std::unique_ptr<LiveWindow>> live_windows;

bool IsWindowItself(UnitId unit) { return unit == 0 || unit == kWindowOwnRecordId; }

}  // namespace

LiveUnitEntry* LiveWindow::Find(UnitId unit) {
  auto found = std::find_if(units.begin(), units.end(), [&](const LiveUnitEntry& entry) { return entry.id == unit; });
  return found == units.end() ? nullptr : &*found;
}

LiveWindow* FindLiveWindow(WindowId window) {
  for (const auto& live : live_windows) {
    if (live->id == window && platform::IsLiveWindow(live->frame->window())) return live.get();
  }
  return nullptr;
}

LiveWindow& AddLiveWindow(WindowId window, std::unique_ptr<LiveUnit> frame) {
  auto& live = *live_windows.emplace_back(std::make_unique<LiveWindow>());
  live.id = window;
  live.frame = std::move(frame);
  Runtime().open_windows.push_back(window);
  return live;
}

void ForgetLiveWindow(WindowId window) {
  auto found = std::find_if(live_windows.begin(), live_windows.end(),
                            [&](const auto& live) { return live->id == window; });
  if (found == live_windows.end()) return;
  // Taken out first: destroying the units must not find the window again.
  std::unique_ptr<LiveWindow> gone = std::move(*found);
  live_windows.erase(found);
  std::erase(Runtime().open_windows, window);
  // Its native windows are gone or going: nothing may destroy them again.
  gone->frame->ForgetWindow();
  for (auto& entry : gone->units) entry.unit->ForgetWindow();
  platform::DestroyAccelerators(gone->accelerators);
  for (auto cursor : gone->file_cursors) platform::DestroyFileCursor(cursor);
  for (auto other : gone->disabled_while_modal) {
    if (platform::IsLiveWindow(other)) platform::EnableNativeWindow(other, true);
  }
}

bool AnyLiveWindow() {
  return std::any_of(live_windows.begin(), live_windows.end(),
                     [](const auto& live) { return platform::IsLiveWindow(live->frame->window()); });
}

LiveUnit* FindLiveUnit(WindowId window, UnitId unit) {
  LiveWindow* live = FindLiveWindow(window);
  if (live == nullptr) return nullptr;
  if (IsWindowItself(unit)) return live->frame.get();
  LiveUnitEntry* entry = live->Find(unit);
  if (entry == nullptr || !platform::IsLiveWindow(entry->unit->window())) return nullptr;
  return entry->unit.get();
}

LiveUnit& RequireLiveUnit(WindowId window, UnitId unit) {
  LiveUnit* live = FindLiveUnit(window, unit);
  if (live == nullptr) FatalError(texts::kUnitNotLoaded);
  return *live;
}

std::optional<UnitAddress> UnitOfWindowHandle(platform::WindowHandle handle) {
  if (handle == 0) return std::nullopt;
  for (const auto& live : live_windows) {
    if (live->frame->window() == handle) return UnitAddress{live->id, kWindowOwnRecordId};
    for (const auto& entry : live->units) {
      if (entry.unit->window() == handle) return UnitAddress{live->id, entry.id};
    }
  }
  return std::nullopt;
}

std::optional<UnitAddress> UnitContainingWindowHandle(platform::WindowHandle handle) {
  // Up the parents, not on to another top-level window's owner.
  for (; handle != 0; handle = platform::IsChildWindow(handle) ? platform::ParentOf(handle) : 0) {
    if (auto unit = UnitOfWindowHandle(handle)) return unit;
  }
  return std::nullopt;
}

}  // namespace vorlix::core
