// The units that are never shown: the timer and the drop target. Each has an
// invisible window of its own; the drop target's drop area is registered by
// a command.
#include "platform/invisible_unit_window.h"
#include "runtime/core/units/standard_unit_types.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

class TimerUnit : public LiveUnit {
 public:
  using LiveUnit::LiveUnit;

  void Start() { platform::SetUnitTimer(window(), data_.Word(timer_props::kPeriod)); }

 protected:
  void Apply(int) override { Start(); }
};

std::unique_ptr<LiveUnit> CreateTimer(const UnitCreation& creation) {
  const auto window = platform::CreateInvisibleUnitWindow(creation.window);
  if (window == 0) return nullptr;
  auto unit = std::make_unique<TimerUnit>(creation.type, creation.data, window);
  unit->Start();
  return unit;
}

std::unique_ptr<LiveUnit> CreateDropTarget(const UnitCreation& creation) {
  const auto window = platform::CreateInvisibleUnitWindow(creation.window);
  if (window == 0) return nullptr;
  return std::make_unique<LiveUnit>(creation.type, creation.data, window);
}

}  // namespace

const UnitRealiser kTimerRealiser{CreateTimer};
const UnitRealiser kDropTargetRealiser{CreateDropTarget};

}  // namespace vorlix::core
