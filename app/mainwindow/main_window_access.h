#pragma once

#include <cstdint>

#include "runtime/core/values/identifiers.h"
#include "runtime/core/values/value.h"

// Reading and writing the main window's units by their ids, through unit
// properties, for handlers that work on several of them.
namespace vorlix::app {

// A reference to a list view of the main window, for the list view commands.
core::UnitReference MainWindowList(core::UnitId list);

bool IsChecked(core::UnitId box);
void SetChecked(core::UnitId box, bool checked);

core::Text EditBoxContent(core::UnitId edit_box);
void SetEditBoxContent(core::UnitId edit_box, const core::Text& content);

core::Text ButtonCaption(core::UnitId button);
void SetButtonCaption(core::UnitId button, const core::Text& caption);
core::Text LabelCaption(core::UnitId label);
void SetLabelCaption(core::UnitId label, const core::Text& caption);

void SetEnabled(core::UnitId unit, bool enabled);
bool IsEnabled(core::UnitId unit);
// A menu item of the window's menu run, greyed when not enabled.
void SetMenuItemEnabled(core::UnitId item, bool enabled);

// A menu item's check mark.
bool IsMenuChecked(core::UnitId item);
void SetMenuChecked(core::UnitId item, bool checked);

// Gives every row of a list view the check state (1 checked, 0 not).
void SetEveryCheck(core::UnitId list, std::int32_t state);

// A list view's current row: its first selected row, -1 when none is.
std::int32_t CurrentRow(core::UnitId list);

// A progress bar holds both within 0 to 32767.
std::int32_t ProgressPosition(core::UnitId bar);
std::int32_t ProgressMaximum(core::UnitId bar);
void SetProgressPosition(core::UnitId bar, std::int32_t position);
void SetProgressMaximum(core::UnitId bar, std::int32_t maximum);

}  // namespace vorlix::app
