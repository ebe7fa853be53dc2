// The list box: the platform's list box control with its stored items.
#include "platform/list_box_control.h"
#include "platform/window_colours.h"
#include "runtime/core/units/standard_unit_types.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

using namespace list_box_props;

platform::ListBoxLook LookOf(const UnitPropertyData& data) {
  platform::ListBoxLook look;
  look.border = data.Word(kBorder);
  look.sorted = data.Word(kSorted) != 0;
  look.multi_column = data.Word(kMultiColumn) != 0;
  look.column_width = data.Word(kColumnWidth);
  look.multiple_selection = data.Word(kMultipleSelection) != 0;
  look.integral_height = data.Word(kIntegralHeight) != 0;
  return look;
}

class ListBoxUnit : public LiveUnit {
 public:
  using LiveUnit::LiveUnit;

  void Show() {
    UseFont(kFont);
    ApplyColours();
    platform::SetListBoxItems(window(), data_.ListOf(kItems));
  }

 protected:
  void ReadBack() override { data_.Set(kItems, platform::ListBoxItems(window())); }

  std::optional<PropertyValue> GetLive(int property) override {
    if (property == kCurrentRow) return platform::ListBoxCurrentItem(window());
    return std::nullopt;
  }

  bool SetLive(int property, const PropertyValue& value) override {
    if (property != kCurrentRow || !std::holds_alternative<std::int32_t>(value)) return false;
    platform::SetListBoxCurrentItem(window(), std::get<std::int32_t>(value));
    return true;
  }

  void Apply(int property) override {
    switch (property) {
      case kBorder: platform::SetWindowBorder(window(), data_.Word(kBorder)); break;
      case kFont: UseFont(kFont); break;
      case kItems: platform::SetListBoxItems(window(), data_.ListOf(kItems)); break;
      case kColumnWidth: platform::SetListBoxColumnWidth(window(), data_.Word(kColumnWidth)); break;
      case kTextColour:
      case kBackgroundColour: ApplyColours(); break;
    }
  }

 private:
  void ApplyColours() {
    platform::SetWindowColours(window(), static_cast<std::uint32_t>(data_.Word(kTextColour)),
                               static_cast<std::uint32_t>(data_.Word(kBackgroundColour)));
  }
};

std::unique_ptr<LiveUnit> CreateListBox(const UnitCreation& creation) {
  const auto window = platform::CreateListBoxControl(creation.window, LookOf(creation.data));
  if (window == 0) return nullptr;
  auto unit = std::make_unique<ListBoxUnit>(creation.type, creation.data, window);
  unit->Show();
  return unit;
}

}  // namespace

const UnitRealiser kListBoxRealiser{CreateListBox};

}  // namespace vorlix::core
