// The progress bar. Its range and position are kept within 0-32767 by the
// property data itself.
#include "platform/progress_bar_control.h"
#include "runtime/core/units/standard_unit_types.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

using namespace process_bar_props;

class ProcessBarUnit : public LiveUnit {
 public:
  using LiveUnit::LiveUnit;

  void Show() {
    platform::SetProgressBarRange(window(), data_.Word(kMinimum), data_.Word(kMaximum));
    platform::SetProgressBarPosition(window(), data_.Word(kPosition));
  }

 protected:
  void Apply(int property) override {
    if (property == kBorder) {
      platform::SetWindowBorder(window(), data_.Word(kBorder));
    } else {
      // A new range may have moved the position into it.
      Show();
    }
  }
};

std::unique_ptr<LiveUnit> CreateProcessBar(const UnitCreation& creation) {
  const UnitPropertyData& data = creation.data;
  const auto window = platform::CreateProgressBarControl(creation.window, data.Word(kBorder),
                                                         data.Word(kVertical) != 0, data.Word(kSmooth) != 0);
  if (window == 0) return nullptr;
  auto unit = std::make_unique<ProcessBarUnit>(creation.type, creation.data, window);
  unit->Show();
  return unit;
}

}  // namespace

const UnitRealiser kProcessBarRealiser{CreateProcessBar};

}  // namespace vorlix::core
