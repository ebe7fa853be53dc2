// The label: the platform's static text. Its effect, gradient and picture
// words are kept and written back; a plain label shows its caption.
#include "platform/label_control.h"
#include "runtime/core/units/standard_unit_types.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

using namespace label_props;

platform::LabelLook LookOf(const UnitPropertyData& data) {
  platform::LabelLook look;
  look.border = data.Word(kBorder);
  look.horizontal = data.Word(kHorizontalAlignment);
  look.vertical = data.Word(kVerticalAlignment);
  look.word_wrap = data.Word(kWordWrap) != 0;
  look.background = static_cast<std::uint32_t>(data.Word(kBackgroundColour));
  return look;
}

class LabelUnit : public LiveUnit {
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
      case kBorder:
      case kHorizontalAlignment:
      case kVerticalAlignment:
      case kWordWrap:
      case kBackgroundColour: platform::SetLabelLook(window(), LookOf(data_)); break;
    }
  }
};

std::unique_ptr<LiveUnit> CreateLabel(const UnitCreation& creation) {
  const auto window = platform::CreateLabelControl(creation.window, LookOf(creation.data));
  if (window == 0) return nullptr;
  auto unit = std::make_unique<LabelUnit>(creation.type, creation.data, window);
  unit->Show();
  return unit;
}

}  // namespace

const UnitRealiser kLabelRealiser{CreateLabel};

}  // namespace vorlix::core
