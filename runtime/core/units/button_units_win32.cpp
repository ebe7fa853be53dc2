// Push buttons, check boxes and radio boxes: the platform's button control.
#include "platform/button_control.h"
#include "platform/unit_picture.h"
#include "platform/window_colours.h"
#include "runtime/core/units/standard_unit_types.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

class ButtonUnit : public LiveUnit {
 public:
  using LiveUnit::LiveUnit;
  ~ButtonUnit() override {
    // The button goes before the picture it shows.
    platform::DestroyNativeWindow(window());
    ForgetWindow();
    platform::DestroyUnitPicture(picture_);
  }

  static platform::ButtonLook LookOf(const UnitPropertyData& data) {
    using namespace button_props;
    platform::ButtonLook look;
    look.horizontal = data.Word(kHorizontalAlignment);
    look.vertical = data.Word(kVerticalAlignment);
    look.default_button = data.Word(kType) == 1;
    return look;
  }

  void Show() {
    platform::SetNativeWindowText(window(), data_.TextOf(button_props::kCaption));
    UseFont(button_props::kFont);
    ShowPicture();
  }

 protected:
  void Apply(int property) override {
    using namespace button_props;
    switch (property) {
      case kCaption: platform::SetNativeWindowText(window(), data_.TextOf(kCaption)); break;
      case kFont: UseFont(kFont); break;
      case kPicture: ShowPicture(); break;
      case kType:
      case kHorizontalAlignment:
      case kVerticalAlignment:
        platform::SetButtonLook(window(), platform::ButtonKind::kPush, LookOf(data_));
        ShowPicture();
        break;
    }
  }

 private:
  void ShowPicture() {
    const platform::UnitPicture previous = picture_;
    picture_ = platform::LoadUnitPicture(data_.BytesOf(button_props::kPicture));
    platform::SetButtonPicture(window(), picture_);
    platform::DestroyUnitPicture(previous);
  }

  platform::UnitPicture picture_;
};

std::unique_ptr<LiveUnit> CreateButton(const UnitCreation& creation) {
  const auto window = platform::CreateButtonControl(creation.window, platform::ButtonKind::kPush,
                                                    ButtonUnit::LookOf(creation.data));
  if (window == 0) return nullptr;
  auto unit = std::make_unique<ButtonUnit>(creation.type, creation.data, window);
  unit->Show();
  return unit;
}

// Check boxes and radio boxes share their first properties.
class CheckUnit : public LiveUnit {
 public:
  using LiveUnit::LiveUnit;

  static platform::ButtonKind KindOf(UnitTypeCode type) {
    return type == type_codes::kRadioBox ? platform::ButtonKind::kRadio : platform::ButtonKind::kCheck;
  }

  static platform::ButtonLook LookOf(const UnitPropertyData& data) {
    using namespace check_box_props;
    platform::ButtonLook look;
    look.horizontal = data.Word(kHorizontalAlignment);
    look.vertical = data.Word(kVerticalAlignment);
    look.push_like = data.Word(kPushLike) != 0;
    look.flat = data.Word(kFlat) != 0;
    look.text_left = data.Word(kTextLeft) != 0;
    return look;
  }

  void Show() {
    using namespace check_box_props;
    platform::SetNativeWindowText(window(), data_.TextOf(kCaption));
    UseFont(kFont);
    ApplyColours();
    platform::SetButtonChecked(window(), data_.Word(kChecked) != 0);
  }

 protected:
  void ReadBack() override {
    data_.Set(check_box_props::kChecked, std::int32_t{platform::IsButtonChecked(window())});
  }

  void Apply(int property) override {
    using namespace check_box_props;
    switch (property) {
      case kCaption: platform::SetNativeWindowText(window(), data_.TextOf(kCaption)); break;
      case kFont: UseFont(kFont); break;
      case kChecked: platform::SetButtonChecked(window(), data_.Word(kChecked) != 0); break;
      case kTextColour:
      case kBackgroundColour: ApplyColours(); break;
      case kPushLike:
      case kFlat:
      case kTextLeft:
      case kHorizontalAlignment:
      case kVerticalAlignment: platform::SetButtonLook(window(), KindOf(type_code()), LookOf(data_)); break;
    }
  }

 private:
  void ApplyColours() {
    using namespace check_box_props;
    platform::SetWindowColours(window(), static_cast<std::uint32_t>(data_.Word(kTextColour)),
                               static_cast<std::uint32_t>(data_.Word(kBackgroundColour)));
  }
};

std::unique_ptr<LiveUnit> CreateCheck(const UnitCreation& creation) {
  const auto window = platform::CreateButtonControl(creation.window, CheckUnit::KindOf(creation.type),
                                                    CheckUnit::LookOf(creation.data));
  if (window == 0) return nullptr;
  auto unit = std::make_unique<CheckUnit>(creation.type, creation.data, window);
  unit->Show();
  return unit;
}

}  // namespace

const UnitRealiser kButtonRealiser{CreateButton};
const UnitRealiser kCheckBoxRealiser{CreateCheck};
const UnitRealiser kRadioBoxRealiser{CreateCheck};

}  // namespace vorlix::core
