// The extended user interface library's unit types used by this program:
// the list view and the transparent label.
#include <array>

#include "runtime/core/template/list_view_blocks.h"
#include "runtime/core/template/support_library_types.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "texts.h"

namespace vorlix::core {
namespace {

using K = PropertyValueKind;
using F = FieldForm;
constexpr std::uint32_t R = property_flags::kRecreatesUnit;
constexpr std::int32_t kDefault = kDefaultColourWord;

constexpr PropertyDescriptor kListViewProperties[] = {
    {"Border", K::kChoice, 0, 1},
    {"TextColour", K::kColour, 0, kDefault},
    {"TextBackgroundColour", K::kColour, 0, kDefault},
    {"BackgroundColour", K::kColour, 0, kDefault},
    {"Font", K::kFont},
    {"ViewType", K::kChoice, R, 3},
    {"AlignLeft", K::kTruth, R},
    {"AutoArrange", K::kTruth, R},
    {"WrapLabels", K::kTruth, R, 1},
    {"HideColumnHeaders", K::kTruth},
    {"HeaderButtons", K::kTruth, 0, 1},
    {"FullRowSelect", K::kTruth},
    {"GridLines", K::kTruth},
    {"HeaderDrag", K::kTruth},
    {"HeaderImages", K::kImageList},
    {"ItemImages", K::kImageList},
    {"StateImages", K::kImageList},
    {"Columns", K::kData},
    {"HotTracking", K::kTruth},
    {"HandCursor", K::kTruth},
    {"UnderlineCold", K::kTruth},
    {"UnderlineHot", K::kTruth},
    {"LabelEditing", K::kTruth},
    {"AutoSort", K::kChoice},
    {"CheckBoxes", K::kTruth},
    {"FlatScrollBars", K::kTruth},
    {"SingleSelection", K::kTruth},
    {"CurrentRow", K::kInteger, 0, -1},
    {"AlwaysShowSelection", K::kTruth},
    {"InitialItems", K::kData},
};
constexpr StoredField kListViewFields[] = {
    {0},  {1},  {2},  {3},  {5},  {6},  {7},  {8},  {9},  {10}, {11}, {12}, {13},
    {18}, {19}, {20}, {21}, {22}, {23}, {24}, {25}, {26}, {27}, {28},
    {4, F::kBytes}, {14, F::kBytes}, {15, F::kBytes}, {17, F::kBytes}, {16, F::kBytes}, {29, F::kBytes},
};

// The column and item blocks must hold whole entries; the list is built
// from them when the unit is created.
bool CheckListViewBlocks(std::vector<PropertyValue>& values) {
  using namespace list_view_props;
  return ParseListViewColumns(std::get<ByteSet>(values[kColumns])).has_value() &&
         ParseListViewInitialEntries(std::get<ByteSet>(values[kInitialItems])).has_value();
}
constexpr PropertyLayout kListViewLayout{1, kListViewFields, CheckListViewBlocks};

constexpr PropertyDescriptor kTransLabelProperties[] = {
    {"Caption", K::kText},
    {"Effect", K::kChoice},
    {"Font", K::kFont},
    {"TextColour", K::kColour, 0, kDefault},
    {"HorizontalAlignment", K::kChoice},
    {"WordWrap", K::kTruth},
    {"VerticalAlignment", K::kChoice},
};
constexpr StoredField kTransLabelFields[] = {{1}, {3}, {4}, {6}, {5}, {2, F::kBytes}, {0, F::kText}};
constexpr PropertyLayout kTransLabelLayout{1, kTransLabelFields};

constexpr std::uint32_t kVisual = type_flags::kVisualEvents;

constexpr auto kTypes = [] {
  std::array<UnitTypeDescriptor, 5> types{};
  types.fill(kUnusedType);
  types[3] = {texts::kTypeListView, "ListView", kVisual, kListViewProperties, &kListViewLayout};
  types[4] = {texts::kTypeTransLabel, "TransLabel", kVisual, kTransLabelProperties, &kTransLabelLayout};
  return types;
}();

}  // namespace

std::span<const UnitTypeDescriptor> ExtendedUserInterfaceTypes() { return kTypes; }

}  // namespace vorlix::core
