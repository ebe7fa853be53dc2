// The edit box: the platform's edit control, with spin buttons when asked.
#include "platform/edit_control.h"
#include "platform/window_colours.h"
#include "runtime/core/units/standard_unit_types.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

using namespace edit_box_props;

// Input modes 3 and above restrict what may be typed; the box itself takes
// them as normal input.
constexpr std::int32_t kReadOnlyInput = 1;
constexpr std::int32_t kPasswordInput = 2;

platform::EditBoxLook LookOf(const UnitPropertyData& data) {
  platform::EditBoxLook look;
  look.border = data.Word(kBorder);
  look.multi_line = data.Word(kMultiLine) != 0;
  look.scroll_bars = data.Word(kScrollBars);
  look.hide_selection = data.Word(kHideSelection) != 0;
  look.alignment = data.Word(kAlignment);
  look.read_only = data.Word(kInputMode) == kReadOnlyInput;
  look.password = data.Word(kInputMode) == kPasswordInput;
  look.password_char = static_cast<std::uint16_t>(data.Word(kPasswordChar));
  look.case_conversion = data.Word(kCaseConversion);
  look.max_length = data.Word(kMaxLength);
  return look;
}

class EditBoxUnit : public LiveUnit {
 public:
  using LiveUnit::LiveUnit;

  void Show() {
    ApplyFont();
    ApplyColours();
    platform::SetEditText(window(), data_.TextOf(kContent));
    ApplySelection();
  }

 protected:
  void ReadBack() override {
    data_.Set(kContent, platform::EditText(window()));
    const auto selection = platform::SelectionOf(window());
    data_.Set(kSelectionStart, selection.start);
    data_.Set(kSelectionLength, selection.length);
  }

  std::optional<PropertyValue> GetLive(int property) override {
    if (property == kSelectedText) return platform::SelectedEditText(window());
    return std::nullopt;
  }

  bool SetLive(int property, const PropertyValue& value) override {
    if (property != kSelectedText || !std::holds_alternative<Text>(value)) return false;
    platform::ReplaceEditSelection(window(), std::get<Text>(value));
    return true;
  }

  void Apply(int property) override {
    switch (property) {
      case kContent: platform::SetEditText(window(), data_.TextOf(kContent)); break;
      case kFont: ApplyFont(); break;
      case kBorder: platform::SetWindowBorder(window(), data_.Word(kBorder)); break;
      case kTextColour:
      case kBackgroundColour: ApplyColours(); break;
      case kSelectionStart:
      case kSelectionLength: ApplySelection(); break;
      case kSpinMinimum:
      case kSpinMaximum:
        platform::SetEditSpinRange(window(), data_.Word(kSpinMinimum), data_.Word(kSpinMaximum));
        break;
      case kMaxLength:
      case kScrollBars:
      case kAlignment:
      case kInputMode:
      case kPasswordChar:
      case kCaseConversion: platform::SetEditLook(window(), LookOf(data_)); break;
    }
  }

 private:
  void ApplyFont() {
    UseFont(kFont);
    platform::FitSingleLineHeight(window());
  }

  void ApplyColours() {
    platform::SetWindowColours(window(), static_cast<std::uint32_t>(data_.Word(kTextColour)),
                               static_cast<std::uint32_t>(data_.Word(kBackgroundColour)));
  }

  void ApplySelection() {
    platform::SelectEditText(window(), {data_.Word(kSelectionStart), data_.Word(kSelectionLength)});
  }
};

std::unique_ptr<LiveUnit> CreateEditBox(const UnitCreation& creation) {
  const UnitPropertyData& data = creation.data;
  const platform::EditSpin spin{data.Word(kSpinButtons), data.Word(kSpinMinimum), data.Word(kSpinMaximum)};
  const auto window = platform::CreateEditControl(creation.window, LookOf(data), spin);
  if (window == 0) return nullptr;
  auto unit = std::make_unique<EditBoxUnit>(creation.type, creation.data, window);
  unit->Show();
  return unit;
}

}  // namespace

const UnitRealiser kEditBoxRealiser{CreateEditBox};

}  // namespace vorlix::core
