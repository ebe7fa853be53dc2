#include "runtime/core/units/window_unit.h"

#include "platform/hidden_owner_window.h"
#include "platform/unit_picture.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

using namespace window_props;

constexpr std::int32_t kCentred = 1;
constexpr std::int32_t kMinimised = 2;
constexpr std::int32_t kMaximised = 3;

platform::TopLevelWindowSpec SpecOf(const UnitPropertyData& data) {
  auto on = [&](int property) { return data.Word(property) != 0; };
  platform::TopLevelWindowSpec spec;
  spec.caption = data.TextOf(kCaption);
  spec.border = data.Word(kBorder);
  spec.control_box = on(kControlBox);
  spec.maximise_box = on(kMaximiseBox);
  spec.minimise_box = on(kMinimiseBox);
  spec.centred = data.Word(kStartPosition) == kCentred;
  spec.movable = on(kMovable);
  spec.always_on_top = on(kAlwaysOnTop);
  spec.class_name = data.TextOf(kClassName);
  spec.background = static_cast<std::uint32_t>(data.Word(kBackgroundColour));
  return spec;
}

class WindowUnit : public LiveUnit {
 public:
  using LiveUnit::LiveUnit;
  ~WindowUnit() override {
    platform::DestroyNativeWindow(window());
    ForgetWindow();
    platform::DestroyUnitPicture(icon_);
  }

  void ShowIcon() {
    const platform::UnitPicture previous = icon_;
    icon_ = platform::LoadUnitPicture(data_.BytesOf(kIcon));
    platform::SetWindowIcon(window(), icon_);
    platform::DestroyUnitPicture(previous);
  }

 protected:
  void Apply(int property) override {
    switch (property) {
      case kCaption: platform::SetNativeWindowText(window(), data_.TextOf(kCaption)); break;
      case kBorder:
      case kBackgroundColour:
      case kControlBox:
      case kMaximiseBox:
      case kMinimiseBox:
      case kAlwaysOnTop: platform::SetTopLevelLook(window(), SpecOf(data_)); break;
      case kIcon: ShowIcon(); break;
    }
  }

 private:
  platform::UnitPicture icon_;
};

}  // namespace

std::unique_ptr<LiveUnit> CreateWindowUnit(const UnitRecord& record, platform::MenuHandle menu) {
  const UnitTypeDescriptor* type = FindUnitType(type_codes::kWindow);
  auto data = UnitPropertyData::Parse(*type, record.property_data);
  if (!data) return nullptr;
  platform::TopLevelWindowSpec spec = SpecOf(*data);
  spec.disabled = (record.state & state_flags::kDisabled) != 0;
  spec.visible = (record.state & state_flags::kVisible) != 0;
  if (data->Word(kShownInTaskBar) == 0) spec.owner = platform::CreateHiddenOwnerWindow();
  spec.menu = menu;
  spec.placement = {record.left, record.top, record.width, record.height};
  const auto window = platform::CreateTopLevelWindow(spec);
  if (window == 0) return nullptr;
  auto unit = std::make_unique<WindowUnit>(type_codes::kWindow, std::move(*data), window);
  unit->ShowIcon();
  return unit;
}

platform::ShowMode FirstShowMode(LiveUnit& window_unit) {
  const auto start = std::get<std::int32_t>(*window_unit.Get(kStartPosition));
  if (start == kMinimised) return platform::ShowMode::kShowMinimised;
  const auto border = std::get<std::int32_t>(*window_unit.Get(kBorder));
  if (start == kMaximised && platform::HasSizingFrame(border)) return platform::ShowMode::kShowMaximised;
  return platform::ShowMode::kShowNormal;
}

}  // namespace vorlix::core
