#include "app/settings/settings_units.h"

#include "app/mainwindow/main_window_units.h"
#include "runtime/core/template/stored_properties.h"
#include "runtime/core/units/unit_properties.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::app::settings {
namespace {

using namespace main_window;

constexpr int kChecked = 8 + core::check_box_props::kChecked;
constexpr int kEditBoxContent = 8 + core::edit_box_props::kContent;

core::Value Read(core::UnitId unit, int number) { return core::ReadUnitProperty(core::kMainWindowId, unit, number); }

void Write(core::UnitId unit, int number, const core::Value& value) {
  core::WriteUnitProperty(core::kMainWindowId, unit, number, value);
}

bool Truth(const core::Value& value) {
  if (const bool* truth = value.get_if<bool>()) return *truth;
  const std::int32_t* number = value.get_if<std::int32_t>();
  return number != nullptr && *number != 0;
}

}  // namespace

core::UnitReference MainWindow() { return {core::kMainWindowId, core::kWindowOwnRecordId, core::type_codes::kWindow}; }

core::UnitReference FolderList() { return {core::kMainWindowId, 超级列表框_路径, core::type_codes::kListView}; }

bool IsChecked(core::UnitId box) { return Truth(Read(box, kChecked)); }
void SetChecked(core::UnitId box, bool checked) { Write(box, kChecked, core::Value(checked)); }

bool IsDisabled(core::UnitId unit) { return Truth(Read(unit, core::common_props::kDisabled)); }
void SetDisabled(core::UnitId unit, bool disabled) {
  Write(unit, core::common_props::kDisabled, core::Value(disabled));
}

void SetVisible(core::UnitId unit, bool visible) { Write(unit, core::common_props::kVisible, core::Value(visible)); }

void SetMenuCaption(core::UnitId item, std::string_view caption) {
  Write(item, core::menu_props::kCaption, core::Value(caption));
}

core::Text NameBoxText() {
  const core::Value content = Read(编辑框_文件名, kEditBoxContent);
  const core::Text* text = content.get_if<core::Text>();
  return text != nullptr ? *text : core::Text();
}

void SetNameBoxText(const core::Text& text) { Write(编辑框_文件名, kEditBoxContent, core::Value(text)); }

}  // namespace vorlix::app::settings
