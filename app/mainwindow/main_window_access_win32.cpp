#include "app/mainwindow/main_window_access.h"

#include "runtime/core/stored_properties.h"
#include "runtime/core/unit_properties.h"
#include "runtime/core/unit_property_numbers.h"

namespace vorlix::app {
namespace {

// Type properties are numbered from 8, after the common ones.
constexpr int kTypeProperty = 8;
constexpr int kChecked = kTypeProperty + core::check_box_props::kChecked;
constexpr int kEditBoxContent = kTypeProperty + core::edit_box_props::kContent;
constexpr int kButtonCaption = kTypeProperty + core::button_props::kCaption;
constexpr int kLabelCaption = kTypeProperty + core::label_props::kCaption;

core::Value Read(core::UnitId unit, int number) {
  return core::ReadUnitProperty(core::kMainWindowId, unit, number);
}

void Write(core::UnitId unit, int number, const core::Value& value) {
  core::WriteUnitProperty(core::kMainWindowId, unit, number, value);
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
  const bool* checked = Read(box, kChecked).get_if<bool>();
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

void SetLabelCaption(core::UnitId label, const core::Text& caption) {
  Write(label, kLabelCaption, core::Value(caption));
}

void SetEnabled(core::UnitId unit, bool enabled) {
  Write(unit, core::common_props::kDisabled, core::Value(!enabled));
}

}  // namespace vorlix::app
