// The core library's unit types: the window, its menu items and the
// standard units. Stored fields are listed in the order the property data
// holds them.
#include <algorithm>
#include <array>

#include "runtime/core/template/support_library_types.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "texts.h"

namespace vorlix::core {
namespace {

using K = PropertyValueKind;
using F = FieldForm;
constexpr std::uint32_t R = property_flags::kRecreatesUnit;
constexpr std::int32_t kDefault = kDefaultColourWord;

constexpr PropertyDescriptor kWindowProperties[] = {
    {"Caption", K::kText},         {"Border", K::kChoice, 0, 1},
    {"BackgroundColour", K::kColour, 0, kDefault},  {"BackgroundPicture", K::kPicture},
    {"PictureLayout", K::kChoice}, {"Music", K::kSound},
    {"MusicPlayCount", K::kInteger, 0, 1},          {"ControlBox", K::kTruth, 0, 1},
    {"MaximiseBox", K::kTruth, 0, 1},               {"MinimiseBox", K::kTruth, 0, 1},
    {"StartPosition", K::kChoice}, {"Movable", K::kTruth, 0, 1},
    {"Icon", K::kIcon},            {"EnterMovesFocus", K::kTruth},
    {"EscCloses", K::kTruth},      {"F1OpensHelp", K::kTruth, 0, 1},
    {"HelpFile", K::kFileName},    {"HelpContext", K::kInteger},
    {"ShownInTaskBar", K::kTruth, 0, 1},            {"Word19", K::kChoice},
    {"Word20", K::kChoice},        {"AlwaysOnTop", K::kTruth},
    {"Word22", K::kInteger},       {"ClassName", K::kText},
};
constexpr StoredField kWindowFields[] = {
    {1}, {4}, {2}, {8}, {9}, {7}, {10}, {11}, {6}, {13}, {14}, {15}, {17},
    {18, F::kWord, 2}, {19, F::kWord, 3}, {20, F::kWord, 3}, {21, F::kWord, 4}, {22, F::kWord, 5},
    {23, F::kText, 6}, {3, F::kBytes}, {12, F::kBytes}, {5, F::kBytes}, {0, F::kText}, {16, F::kText},
};
constexpr PropertyLayout kWindowLayout{6, kWindowFields};

constexpr PropertyDescriptor kMenuProperties[] = {
    {"Caption", K::kText}, {"Checked", K::kTruth}, {"Disabled", K::kTruth}, {"Visible", K::kTruth, 0, 1},
};

constexpr PropertyDescriptor kEditBoxProperties[] = {
    {"Content", K::kText},
    {"Border", K::kChoice, 0, 1},
    {"TextColour", K::kColour, 0, kDefault},
    {"BackgroundColour", K::kColour, 0, kDefault},
    {"Font", K::kFont},
    {"HideSelection", K::kTruth, R, 1},
    {"MaxLength", K::kInteger},
    {"MultiLine", K::kTruth, R},
    {"ScrollBars", K::kChoice},
    {"Alignment", K::kChoice},
    {"InputMode", K::kChoice},
    {"PasswordChar", K::kCharacter, 0, '*'},
    {"CaseConversion", K::kChoice},
    {"SpinButtons", K::kChoice},
    {"SpinMinimum", K::kInteger},
    {"SpinMaximum", K::kInteger, 0, 100},
    {"SelectionStart", K::kInteger},
    {"SelectionLength", K::kInteger},
    {"SelectedText", K::kText, property_flags::kRuntimeOnly},
    {"DataSource", K::kText},
    {"DataColumn", K::kText},
};
constexpr StoredField kEditBoxFields[] = {
    {1}, {2}, {3}, {5}, {6}, {7}, {8}, {9}, {10}, {11, F::kU16}, {12}, {13}, {14}, {15}, {16}, {17},
    {4, F::kBytes}, {0, F::kText}, {19, F::kText, 2}, {20, F::kText, 2},
};
constexpr PropertyLayout kEditBoxLayout{2, kEditBoxFields};

constexpr PropertyDescriptor kShapeBoxProperties[] = {
    {"BackgroundColour", K::kColour, 0, kDefault},
    {"Shape", K::kChoice},
    {"Mode", K::kChoice},
    {"LineStyle", K::kChoice, 0, 1},
    {"LineWidth", K::kInteger, 0, 1},
    {"LineColour", K::kColour},
    {"FillColour", K::kColour, 0, kDefault},
};
constexpr StoredField kShapeBoxFields[] = {{0}, {1}, {2}, {3}, {4}, {5}, {6}};
constexpr PropertyLayout kShapeBoxLayout{1, kShapeBoxFields};

constexpr PropertyDescriptor kLabelProperties[] = {
    {"Caption", K::kText},
    {"Effect", K::kChoice},
    {"Border", K::kChoice},
    {"EffectWidth", K::kInteger, 0, 8},
    {"ShadowColour", K::kColour, 0, 0x808080},
    {"HighlightColour", K::kColour, 0, 0xFFFFFF},
    {"EdgeColour", K::kColour, 0, 0x808080},
    {"Font", K::kFont},
    {"BackgroundMode", K::kChoice},
    {"BackgroundColour", K::kColour, 0, kDefault},
    {"Picture", K::kPicture},
    {"PictureLayout", K::kChoice},
    {"GradientDirection", K::kChoice},
    {"GradientColour1", K::kColour, 0, 0x808080},
    {"GradientColour2", K::kColour, 0, 0xFFFFFF},
    {"GradientColour3", K::kColour, 0, 0x808080},
    {"HorizontalAlignment", K::kChoice},
    {"WordWrap", K::kTruth, 0, 1},
    {"VerticalAlignment", K::kChoice},
    {"DataSource", K::kText},
    {"DataColumn", K::kText},
};
constexpr StoredField kLabelFields[] = {
    {1}, {3}, {2}, {4}, {5}, {6}, {8}, {9}, {11}, {12}, {13}, {14}, {15}, {16}, {18}, {17},
    {7, F::kBytes}, {10, F::kBytes}, {0, F::kText}, {19, F::kText, 2}, {20, F::kText, 2},
};
constexpr PropertyLayout kLabelLayout{2, kLabelFields};

constexpr PropertyDescriptor kButtonProperties[] = {
    {"Picture", K::kPicture},
    {"Type", K::kChoice},
    {"Caption", K::kText},
    {"HorizontalAlignment", K::kChoice, 0, 1},
    {"VerticalAlignment", K::kChoice, 0, 1},
    {"Font", K::kFont},
};
constexpr StoredField kButtonFields[] = {{1}, {3}, {4}, {0, F::kBytes}, {5, F::kBytes}, {2, F::kText}};
constexpr PropertyLayout kButtonLayout{1, kButtonFields};

constexpr PropertyDescriptor kCheckBoxProperties[] = {
    {"Picture", K::kPicture},
    {"PushLike", K::kTruth},
    {"Flat", K::kTruth},
    {"Caption", K::kText},
    {"TextLeft", K::kTruth},
    {"HorizontalAlignment", K::kChoice},
    {"VerticalAlignment", K::kChoice, 0, 1},
    {"TextColour", K::kColour, 0, kDefault},
    {"BackgroundColour", K::kColour, 0, kDefault},
    {"Font", K::kFont},
    {"Checked", K::kTruth},
    {"DataSource", K::kText},
    {"DataColumn", K::kText},
};
constexpr StoredField kCheckBoxFields[] = {
    {1}, {2}, {4}, {5}, {6}, {7}, {8}, {10}, {0, F::kBytes}, {9, F::kBytes}, {3, F::kText},
    {11, F::kText, 2}, {12, F::kText, 2},
};
constexpr PropertyLayout kCheckBoxLayout{2, kCheckBoxFields};
// The radio box is the check box without the two trailing texts.
constexpr std::span<const PropertyDescriptor> kRadioBoxProperties{kCheckBoxProperties, 11};
constexpr PropertyLayout kRadioBoxLayout{1, std::span<const StoredField>{kCheckBoxFields, 11}};

constexpr PropertyDescriptor kListBoxProperties[] = {
    {"Border", K::kChoice, 0, 1},
    {"Sorted", K::kTruth, R},
    {"MultiColumn", K::kTruth, R},
    {"TextColour", K::kColour, 0, kDefault},
    {"BackgroundColour", K::kColour, 0, kDefault},
    {"ColumnWidth", K::kInteger},
    {"CurrentRow", K::kInteger, property_flags::kRuntimeOnly, -1},
    {"MultipleSelection", K::kTruth, R},
    {"Font", K::kFont},
    {"IntegralHeight", K::kTruth, R, 1},
    {"CheckBoxes", K::kTruth, R},
    {"ItemData", K::kData},
    {"Items", K::kTextList},
    {"DataSource", K::kText},
    {"DataColumn", K::kText},
};
constexpr StoredField kListBoxFields[] = {
    {0}, {1}, {2}, {3}, {4}, {5}, {7}, {9}, {8, F::kBytes}, {11, F::kBytes}, {12, F::kTextList},
    {13, F::kText, 2}, {14, F::kText, 2}, {10, F::kWord, 3},
};
constexpr PropertyLayout kListBoxLayout{3, kListBoxFields};

constexpr PropertyDescriptor kProcessBarProperties[] = {
    {"Border", K::kChoice, 0, 3},  {"Vertical", K::kTruth, R},     {"Smooth", K::kTruth, R},
    {"Minimum", K::kInteger},      {"Maximum", K::kInteger, 0, 100}, {"Position", K::kInteger},
};
constexpr StoredField kProcessBarFields[] = {{0}, {1}, {2}, {3}, {4}, {5}};

// Minimum, maximum and position stay within 0-32767, the position within the
// range whichever of minimum and maximum is the lower.
bool ClampProcessBar(std::vector<PropertyValue>& values) {
  auto word = [&](int property) -> std::int32_t& { return std::get<std::int32_t>(values[property]); };
  for (int property : {process_bar_props::kMinimum, process_bar_props::kMaximum, process_bar_props::kPosition}) {
    word(property) = std::clamp(word(property), 0, 32767);
  }
  const auto [low, high] = std::minmax(word(process_bar_props::kMinimum), word(process_bar_props::kMaximum));
  word(process_bar_props::kPosition) = std::clamp(word(process_bar_props::kPosition), low, high);
  return true;
}
constexpr PropertyLayout kProcessBarLayout{1, kProcessBarFields, ClampProcessBar};

constexpr PropertyDescriptor kTimerProperties[] = {{"Period", K::kInteger}};
constexpr StoredField kTimerFields[] = {{0}};
constexpr PropertyLayout kTimerLayout{1, kTimerFields};

constexpr std::uint32_t kVisual = type_flags::kVisualEvents;

constexpr auto kCoreTypes = [] {
  std::array<UnitTypeDescriptor, 51> types{};
  types.fill(kUnusedType);
  types[0] = {texts::kTypeWindow, "window", type_flags::kNeverRecreated | kVisual, kWindowProperties,
              &kWindowLayout};
  types[2] = {texts::kTypeMenu, "menu", type_flags::kEvents, kMenuProperties, nullptr};
  types[4] = {texts::kTypeEditBox, "EditBox", kVisual, kEditBoxProperties, &kEditBoxLayout};
  types[6] = {texts::kTypeShapeBox, "ShapeBox", kVisual | type_flags::kMovesChildren, kShapeBoxProperties,
              &kShapeBoxLayout};
  types[9] = {texts::kTypeLabel, "Label", kVisual, kLabelProperties, &kLabelLayout};
  types[10] = {texts::kTypeButton, "Button", kVisual, kButtonProperties, &kButtonLayout};
  types[11] = {texts::kTypeCheckBox, "CheckBox", kVisual, kCheckBoxProperties, &kCheckBoxLayout};
  types[12] = {texts::kTypeRadioBox, "RadioBox", kVisual, kRadioBoxProperties, &kRadioBoxLayout};
  types[14] = {texts::kTypeListBox, "ListBox", kVisual, kListBoxProperties, &kListBoxLayout};
  types[18] = {texts::kTypeProcessBar, "ProcessBar", kVisual, kProcessBarProperties, &kProcessBarLayout};
  types[31] = {texts::kTypeTimer, "Timer", type_flags::kNonVisual | type_flags::kEvents, kTimerProperties,
               &kTimerLayout};
  return types;
}();

}  // namespace

std::span<const UnitTypeDescriptor> CoreLibraryTypes() { return kCoreTypes; }

}  // namespace vorlix::core
