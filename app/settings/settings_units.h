#pragma once

#include "runtime/core/values/identifiers.h"
#include "runtime/core/values/value.h"

// The main window's units as the settings handlers read and change them,
// through unit properties.
namespace vorlix::app::settings {

core::UnitReference MainWindow();
core::UnitReference FolderList();  // 超级列表框_路径

bool IsChecked(core::UnitId box);
// A radio box's partner is left as it is.
void SetChecked(core::UnitId box, bool checked);
bool IsDisabled(core::UnitId unit);
void SetDisabled(core::UnitId unit, bool disabled);
void SetVisible(core::UnitId unit, bool visible);
void SetMenuCaption(core::UnitId item, std::string_view caption);

core::Text NameBoxText();
void SetNameBoxText(const core::Text& text);

}  // namespace vorlix::app::settings
