// The transparent label: text painted over whatever lies beneath it.
#include "platform/trans_label_window.h"
#include "runtime/core/units/standard_unit_types.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

using namespace trans_label_props;

platform::TransLabelLook LookOf(const UnitPropertyData& data) {
  platform::TransLabelLook look;
  look.effect = data.Word(kEffect);
  look.text_colour = static_cast<std::uint32_t>(data.Word(kTextColour));
  look.horizontal = data.Word(kHorizontalAlignment);
  look.vertical = data.Word(kVerticalAlignment);
  look.word_wrap = data.Word(kWordWrap) != 0;
  return look;
}

class TransLabelUnit : public LiveUnit {
 public:
  using LiveUnit::LiveUnit;

  void Show() {
    UseFont(kFont);
    platform::SetNativeWindowText(window(), data_.TextOf(kCaption));
  }

 protected:
  void Apply(int property) override {
    switch (property) {
      case kCaption: platform::SetNativeWindowText(window(), data_.TextOf(kCaption)); break;
      case kFont: UseFont(kFont); break;
      default: platform::SetTransLabelLook(window(), LookOf(data_)); break;
    }
  }
};

std::unique_ptr<LiveUnit> CreateTransLabel(const UnitCreation& creation) {
  const auto window = platform::CreateTransLabel(creation.window, LookOf(creation.data));
  if (window == 0) return nullptr;
  auto unit = std::make_unique<TransLabelUnit>(creation.type, creation.data, window);
  unit->Show();
  return unit;
}

}  // namespace

const UnitRealiser kTransLabelRealiser{CreateTransLabel};

}  // namespace vorlix::core
