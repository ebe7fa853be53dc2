#include "runtime/commands/drop_target_commands.h"

#include <map>
#include <memory>
#include <utility>

#include "platform/drop_target.h"
#include "runtime/commands/window_handle_integer.h"
#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/state/live_windows.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::commands {
namespace {

using UnitKey = std::pair<core::WindowId, core::UnitId>;

// The window a drop target unit serves. The unit is known by its ids and by
// its own native window, so that a unit made again with its window is a new
// drop target.
struct Served {
  platform::WindowHandle unit_window = 0;
  std::unique_ptr<platform::DropRegistration> registration;
};

std::map<UnitKey, Served>& ServedWindows() {
  static std::map<UnitKey, Served> served;
  return served;
}

bool SwitchOn(core::LiveUnit& unit, int property) {
  const auto value = unit.Get(property);
  const auto* on = value ? std::get_if<std::int32_t>(&*value) : nullptr;
  return on != nullptr && *on != 0;
}

// Read at each drag: the switches are properties the application may change.
platform::DropSwitches SwitchesOf(const UnitKey& key) {
  core::LiveUnit* unit = core::FindLiveUnit(key.first, key.second);
  if (unit == nullptr) return {};
  using namespace core::drop_target_props;
  return {SwitchOn(*unit, kAcceptText), SwitchOn(*unit, kAcceptRichText), SwitchOn(*unit, kAcceptLinks),
          SwitchOn(*unit, kAcceptFiles)};
}

void RaiseDropEvent(const UnitKey& key, platform::DroppedKind kind, const core::Text& text) {
  core::EventRequest request{key.first, key.second, static_cast<std::int32_t>(kind), {core::Value(text)}};
  core::RaiseEvent(request);
}

}  // namespace

bool DropTargetRegister(const core::UnitReference& drop_target, std::int32_t window_handle) {
  const UnitKey key{drop_target.window, drop_target.unit};
  const platform::WindowHandle unit_window = core::RequireLiveUnit(key.first, key.second).window();
  Served& served = ServedWindows()[key];
  if (served.registration != nullptr && served.unit_window == unit_window) return false;
  platform::DropReceiver receiver{
      [key] { return SwitchesOf(key); },
      [key](platform::DroppedKind kind, const std::string& text) { RaiseDropEvent(key, kind, text); }};
  auto registration = platform::RegisterDropTarget(NativeWindowOf(window_handle), std::move(receiver));
  if (registration == nullptr) return false;
  served = {unit_window, std::move(registration)};
  return true;
}

}  // namespace vorlix::commands
