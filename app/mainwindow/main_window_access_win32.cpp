#include "app/mainwindow/main_window_access.h"

#include "runtime/commands/list_view_commands.h"
#include "runtime/core/template/stored_properties.h"
#include "runtime/core/units/unit_properties.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::app {
namespace {

// Type properties are numbered from 8, after the common ones.
constexpr int kTypeProperty = 8;
constexpr int kChecked = kTypeProperty + core::check_box_props::kChecked;
constexpr int kEditBoxContent = kTypeProperty + core::edit_box_props::kContent;
constexpr int kButtonCaption = kTypeProperty + core::button_props::kCaption;
constexpr int kLabelCaption = kTypeProperty + core::label_props::kCaption;
constexpr int kCurrentRow = kTypeProperty + core::list_view_props::kCurrentRow;
constexpr int kProgressMaximum = kTypeProperty + core::process_bar_props::kMaximum;
constexpr int kProgressPosition = kTypeProperty + core::process_bar_props::kPosition;

core::Value Read(core::UnitId unit, int number) {
  return core::ReadUnitProperty(core::kMainWindowId, unit, number);
}

void Write(core::UnitId unit, int number, const core::Value& value) {
  core::WriteUnitProperty(core::kMainWindowId, unit, number, value);
}

std::int32_t IntegerOf(const core::Value& value, std::int32_t otherwise) {
  const std::int32_t* integer = value.get_if<std::int32_t>();
  return integer != nullptr ? *integer : otherwise;
}

core::Text TextOf(const core::Value& value) {
  const core::Text* text = value.get_if<core::Text>();
  return text != nullptr ? *text : core::Text();
}

}  // namespace

core::UnitReference MainWindowList(core::UnitId list) {
  return {core::kMainWindowId, list, core::type_codes::kListView};
}

bool IsChecked(core::UnitId box) {
  const core::Value value = Read(box, kChecked);
  const bool* checked = value.get_if<bool>();
  return checked != nullptr && *checked;
}

void SetChecked(core::UnitId box, bool checked) { Write(box, kChecked, core::Value(checked)); }

core::Text EditBoxContent(core::UnitId edit_box) { return TextOf(Read(edit_box, kEditBoxContent)); }

void SetEditBoxContent(core::UnitId edit_box, const core::Text& content) {
  Write(edit_box, kEditBoxContent, core::Value(content));
}

core::Text ButtonCaption(core::UnitId button) { return TextOf(Read(button, kButtonCaption)); }

void SetButtonCaption(core::UnitId button, const core::Text& caption) {
  Write(button, kButtonCaption, core::Value(caption));
}

core::Text LabelCaption(core::UnitId label) { return TextOf(Read(label, kLabelCaption)); }

void SetLabelCaption(core::UnitId label, const core::Text& caption) {
  Write(label, kLabelCaption, core::Value(caption));
}

void SetEnabled(core::UnitId unit, bool enabled) {
  Write(unit, core::common_props::kDisabled, core::Value(!enabled));
}

bool IsEnabled(core::UnitId unit) {
  const core::Value disabled = Read(unit, core::common_props::kDisabled);
  if (const bool* truth = disabled.get_if<bool>()) return !*truth;
  return IntegerOf(disabled, 0) == 0;
}

void SetMenuItemEnabled(core::UnitId item, bool enabled) {
  Write(item, core::menu_props::kDisabled, core::Value(std::int32_t{enabled ? 0 : 1}));
}

// A menu item's properties are numbered from 0.
bool IsMenuChecked(core::UnitId item) {
  const core::Value value = Read(item, core::menu_props::kChecked);
  if (const bool* checked = value.get_if<bool>()) return *checked;
  return IntegerOf(value, 0) != 0;
}

void SetMenuChecked(core::UnitId item, bool checked) { Write(item, core::menu_props::kChecked, core::Value(checked)); }

void SetEveryCheck(core::UnitId list, std::int32_t state) {
  commands::ListViewSetEveryCheck(MainWindowList(list), state);
}

std::int32_t CurrentRow(core::UnitId list) { return IntegerOf(Read(list, kCurrentRow), -1); }

std::int32_t ProgressPosition(core::UnitId bar) { return IntegerOf(Read(bar, kProgressPosition), 0); }
std::int32_t ProgressMaximum(core::UnitId bar) { return IntegerOf(Read(bar, kProgressMaximum), 0); }

void SetProgressPosition(core::UnitId bar, std::int32_t position) {
  Write(bar, kProgressPosition, core::Value(position));
}

void SetProgressMaximum(core::UnitId bar, std::int32_t maximum) { Write(bar, kProgressMaximum, core::Value(maximum)); }

}  // namespace vorlix::app
