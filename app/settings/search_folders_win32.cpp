#include "app/settings/search_folders.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/settings/settings_units.h"
#include "runtime/commands/folder_dialog_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/text_split.h"
#include "runtime/commands/unit_commands.h"
#include "runtime/core/values/gbk_chars.h"
#include "texts.h"

namespace vorlix::app {
namespace {

using namespace main_window;
using settings::FolderList;

// A '\' that is the second byte of a double-byte character is part of the
// name, not a closing backslash.
std::string_view WithoutClosingBackslash(std::string_view path) {
  std::size_t last = 0;
  for (std::size_t pos = 0; pos < path.size(); pos += core::GbkCharLengthAt(path, pos)) last = pos;
  if (!path.empty() && last == path.size() - 1 && path.back() == '\\') path.remove_suffix(1);
  return path;
}

}  // namespace

void AddPathRow(std::string_view path, std::int32_t position) {
  const core::Text text(WithoutClosingBackslash(path));
  const std::int32_t row = commands::ListViewInsertItem(FolderList(), position, text);
  if (row >= 0) commands::ListViewSetCheck(FolderList(), row, 1);
}

core::HandlerResult AddFolderFromDialog(std::span<const core::Value>) {
  const core::Text path = commands::BrowseForFolder(core::Text(texts::kChooseFolderTitle));
  if (!path.empty()) AddPathRow(path);
  return std::nullopt;
}

// Several dropped items come as one text, each path followed by CR LF; a
// path never holds a line break, so each becomes a row of its own, the
// first on top.
core::HandlerResult AddDroppedItems(std::span<const core::Value> arguments) {
  const core::Text* dropped = arguments.empty() ? nullptr : arguments[0].get_if<core::Text>();
  if (dropped == nullptr) return std::nullopt;
  std::int32_t position = 0;
  for (const core::Text& path : commands::SplitText(*dropped, "\r\n")) AddPathRow(path, position++);
  return std::nullopt;
}

core::HandlerResult ShowFolderMenu(std::span<const core::Value>) {
  // The folder index's entries follow the menu's own, after a separator.
  commands::PopupJoinedMenus(settings::MainWindow(), {{core::kMainWindowId, menu::菜单, core::type_codes::kMenu},
                                                      {core::kMainWindowId, menu::文件夹索引, core::type_codes::kMenu}});
  return std::nullopt;
}

core::HandlerResult RemoveCurrentFolder(std::span<const core::Value>) {
  const std::int32_t row = CurrentRow(超级列表框_路径);
  if (row >= 0) commands::ListViewDeleteItem(FolderList(), row);
  return std::nullopt;
}

core::HandlerResult RemoveAllFolders(std::span<const core::Value>) {
  commands::ListViewDeleteAll(FolderList());
  return std::nullopt;
}

core::HandlerResult CheckAllFolders(std::span<const core::Value>) {
  SetEveryCheck(超级列表框_路径, 1);
  return std::nullopt;
}

core::HandlerResult UncheckAllFolders(std::span<const core::Value>) {
  SetEveryCheck(超级列表框_路径, 0);
  return std::nullopt;
}

}  // namespace vorlix::app
