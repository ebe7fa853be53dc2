#include "runtime/core/template/unit_type_catalogue.h"

#include <gtest/gtest.h>

#include <string_view>

#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::core {
namespace {

struct NamedType {
  UnitTypeCode code;
  std::string_view english_name;
};

constexpr NamedType kProgramTypes[] = {
    {type_codes::kWindow, "window"},         {type_codes::kMenu, "menu"},
    {type_codes::kEditBox, "EditBox"},       {type_codes::kShapeBox, "ShapeBox"},
    {type_codes::kLabel, "Label"},           {type_codes::kButton, "Button"},
    {type_codes::kCheckBox, "CheckBox"},     {type_codes::kRadioBox, "RadioBox"},
    {type_codes::kListBox, "ListBox"},       {type_codes::kProcessBar, "ProcessBar"},
    {type_codes::kTimer, "Timer"},           {type_codes::kListView, "ListView"},
    {type_codes::kTransLabel, "TransLabel"}, {type_codes::kDropTarget, "DropTarget"},
};

TEST(UnitTypeCatalogue, each_type_code_of_the_program_finds_its_type) {
  for (const auto& named : kProgramTypes) {
    const UnitTypeDescriptor* type = FindUnitType(named.code);
    ASSERT_NE(type, nullptr) << std::hex << named.code;
    EXPECT_EQ(type->english_name, named.english_name) << std::hex << named.code;
    EXPECT_FALSE(type->name.empty()) << named.english_name;
  }
}

TEST(UnitTypeCatalogue, ten_libraries_in_order_with_51_core_types) {
  const auto libraries = SupportLibraries();
  ASSERT_EQ(libraries.size(), 10u);
  EXPECT_EQ(libraries[0].name, "core");
  EXPECT_EQ(libraries[8].name, "drag and drop");
  EXPECT_EQ(libraries[9].name, "extended functions");
  EXPECT_EQ(libraries[0].types.size(), 51u);
  EXPECT_NE(FindUnitType(MakeTypeCode(1, 51)), nullptr);
}

TEST(UnitTypeCatalogue, codes_outside_the_libraries_find_nothing) {
  EXPECT_EQ(FindUnitType(MakeTypeCode(1, 52)), nullptr);
  EXPECT_EQ(FindUnitType(MakeTypeCode(1, 0)), nullptr);
  EXPECT_EQ(FindUnitType(MakeTypeCode(0, 1)), nullptr);
  EXPECT_EQ(FindUnitType(MakeTypeCode(11, 1)), nullptr);
  EXPECT_EQ(FindUnitType(MakeTypeCode(3, 1)), nullptr);
}

TEST(UnitTypeCatalogue, unused_slots_keep_their_numbers_without_property_data) {
  const UnitTypeDescriptor* unused = FindUnitType(MakeTypeCode(1, 2));
  ASSERT_NE(unused, nullptr);
  EXPECT_EQ(unused->layout, nullptr);
  EXPECT_FALSE(unused->english_name.empty());
}

TEST(UnitTypeCatalogue, non_visual_types_raise_events_but_are_never_shown) {
  for (UnitTypeCode code : {type_codes::kTimer, type_codes::kDropTarget}) {
    const UnitTypeDescriptor& type = *FindUnitType(code);
    EXPECT_TRUE(type.IsNonVisual()) << type.english_name;
    EXPECT_TRUE(type.CanRaiseEvents()) << type.english_name;
  }
}

TEST(UnitTypeCatalogue, visual_types_carry_the_visual_event_flag) {
  for (const auto& named : kProgramTypes) {
    const UnitTypeDescriptor& type = *FindUnitType(named.code);
    if (type.IsNonVisual() || named.code == type_codes::kMenu) continue;
    EXPECT_NE(type.flags & type_flags::kVisualEvents, 0u) << named.english_name;
  }
}

TEST(UnitTypeCatalogue, only_the_window_is_never_recreated_and_the_shape_box_moves_its_children) {
  EXPECT_NE(FindUnitType(type_codes::kWindow)->flags & type_flags::kNeverRecreated, 0u);
  EXPECT_EQ(FindUnitType(type_codes::kButton)->flags & type_flags::kNeverRecreated, 0u);
  EXPECT_NE(FindUnitType(type_codes::kShapeBox)->flags & type_flags::kMovesChildren, 0u);
}

// The application addresses these properties by unit property number.
TEST(UnitTypeCatalogue, property_numbers_used_by_the_application_name_the_right_properties) {
  struct Use {
    UnitTypeCode code;
    int unit_property;
    std::string_view name;
  };
  const Use uses[] = {
      {type_codes::kEditBox, 8, "Content"},     {type_codes::kLabel, 8, "Caption"},
      {type_codes::kButton, 10, "Caption"},     {type_codes::kCheckBox, 18, "Checked"},
      {type_codes::kRadioBox, 18, "Checked"},   {type_codes::kProcessBar, 12, "Maximum"},
      {type_codes::kProcessBar, 13, "Position"}, {type_codes::kListView, 35, "CurrentRow"},
  };
  for (const auto& use : uses) {
    const auto properties = FindUnitType(use.code)->properties;
    ASSERT_LT(use.unit_property - 8, static_cast<int>(properties.size()));
    EXPECT_EQ(properties[use.unit_property - 8].name, use.name) << use.unit_property;
  }
}

TEST(UnitTypeCatalogue, property_kinds_are_in_the_value_kind_range) {
  for (const auto& named : kProgramTypes) {
    for (const auto& property : FindUnitType(named.code)->properties) {
      const auto kind = static_cast<std::uint32_t>(property.kind);
      EXPECT_GE(kind, 1000u) << named.english_name << "." << property.name;
      EXPECT_LE(kind, 1024u) << named.english_name << "." << property.name;
    }
  }
}

}  // namespace
}  // namespace vorlix::core
