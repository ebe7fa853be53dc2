#include "app/settings/settings_at_start.h"

#include "app/mainwindow/main_window_units.h"
#include "app/results/copy_check_option.h"
#include "app/search/folder_index_use.h"
#include "app/settings/option_states.h"
#include "app/settings/saved_state.h"
#include "app/settings/settings_files.h"
#include "app/settings/settings_units.h"
#include "runtime/commands/drop_target_commands.h"
#include "runtime/commands/unit_commands.h"

namespace vorlix::app {
namespace {

using namespace main_window;
using namespace settings;

// Only the exact text "真" is on; "1", "TRUE" or " 真" are not.
bool IsOn(std::string_view key) { return ReadOption(key) == texts::kTrue; }

}  // namespace

// Reads only: nothing is written to the settings file at start.
core::HandlerResult LoadSettingsAtStart(std::span<const core::Value>) {
  commands::DropTargetRegister({core::kMainWindowId, 拖放对象, core::type_codes::kDropTarget},
                               commands::GetWindowHandle(MainWindow()));
  ShowScope(IsOn(texts::kKeyWholeComputer));
  ShowMatch(ReadOption(texts::kKeyExactMatch) == texts::kFalse);
  SetChecked(选择框1, IsOn(texts::kKeyAutoRename));
  SetChecked(选择框_搜索目录, IsOn(texts::kKeyFolderNamesOnly));
  if (IsOn(texts::kKeySaveKeywords)) {
    LoadSavedNames();
  } else {
    SetChecked(选择框_保存关键字, false);
  }
  ShowButtonDisabled(kDeleteButtonToggle, IsOn(kDeleteButtonToggle.key));
  ShowButtonDisabled(kMoveButtonToggle, IsOn(kMoveButtonToggle.key));
  if (IsOn(texts::kKeySaveFolders)) {
    LoadSavedFolders();
  } else {
    SetChecked(选择框_保存路径, false);
  }
  // On unless switched off: only "假" turns it off.
  ShowFolderIndexUse(ReadOption(texts::kKeyUseFolderIndex) != texts::kFalse);
  ShowCopyCheck(ReadOption(texts::kKeyCheckCopies) != texts::kFalse);
  return std::nullopt;
}

}  // namespace vorlix::app
