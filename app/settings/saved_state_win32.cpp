#include "app/settings/saved_state.h"

#include <vector>

#include "app/mainwindow/main_window_units.h"
#include "app/settings/folder_list_values.h"
#include "app/settings/settings_files.h"
#include "app/settings/settings_units.h"
#include "runtime/commands/conversion_commands.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/settings_commands.h"

namespace vorlix::app {
namespace {

using namespace main_window;
using namespace settings;

// Both values in one replacement of the file, so that the indices always
// belong to the rows beside them.
void SaveFolders() {
  std::vector<core::Text> rows;
  std::vector<std::int32_t> checked;
  const std::int32_t count = commands::ListViewGetCount(FolderList());
  for (std::int32_t row = 0; row < count; ++row) {
    rows.push_back(commands::ListViewGetText(FolderList(), row, 0));
    if (commands::ListViewGetCheck(FolderList(), row) == 1) checked.push_back(row);
  }
  const core::Text all = JoinFolderRows(rows);
  const core::Text indices = JoinCheckedRows(checked);
  const commands::SettingsItem items[] = {{kFolderRowsKey, all}, {kCheckedRowsKey, indices}};
  commands::WriteSettingsItems(SavedFoldersFile(), kFoldersSection, items);
}

void SaveNames() {
  const core::Text names = NameBoxText();
  commands::ReplaceFileContent(SavedNamesFile(), {reinterpret_cast<const std::uint8_t*>(names.data()), names.size()});
}

}  // namespace

core::HandlerResult SaveStateAtClose(std::span<const core::Value>) {
  if (IsChecked(选择框_保存路径)) SaveFolders();
  if (IsChecked(选择框_保存关键字)) SaveNames();
  return std::nullopt;
}

void LoadSavedNames() {
  SetNameBoxText(commands::ToText(core::Value(commands::ReadFile(SavedNamesFile()))));
  SetVisible(透明标签1, false);
  SetChecked(选择框_保存关键字, true);
}

// Both values are read whole, however long the list: a cut inside the
// indices would drop check marks or tick another row (1234 read as 12).
void LoadSavedFolders() {
  const core::Text file = SavedFoldersFile();
  const core::Text rows = commands::ReadWholeSettingsItem(file, kFoldersSection, kFolderRowsKey).value_or("");
  const core::Text checked = commands::ReadWholeSettingsItem(file, kFoldersSection, kCheckedRowsKey).value_or("");
  for (const core::Text& row : SplitFolderRows(rows)) commands::ListViewInsertItem(FolderList(), std::nullopt, row);
  for (std::int32_t index : SplitCheckedRows(checked)) commands::ListViewSetCheck(FolderList(), index, 1);
  SetChecked(选择框_保存路径, true);
}

}  // namespace vorlix::app
