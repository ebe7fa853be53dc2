#include "app/search/search_request.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/search/file_search.h"
#include "app/search/folder_name_search.h"
#include "app/search/names/name_list.h"
#include "app/search/search_globals.h"
#include "app/search/search_run.h"
#include "runtime/commands/drive_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/message_box_command.h"
#include "texts.h"

namespace vorlix::app {
namespace {

using namespace main_window;

constexpr std::int32_t kFixedDrives = 1;

void ShowMessage(std::string_view message) { commands::MessageBox(core::Value(message), 0); }

std::vector<core::Text> CheckedFolders() {
  const core::UnitReference folders = MainWindowList(超级列表框_路径);
  std::vector<core::Text> roots;
  const std::int32_t count = commands::ListViewGetCount(folders);
  for (std::int32_t row = 0; row < count; ++row) {
    if (commands::ListViewGetCheck(folders, row) == 1) roots.push_back(commands::ListViewGetText(folders, row));
  }
  return roots;
}

std::vector<core::Text> ChosenRoots() {
  if (IsChecked(单选框_整个电脑)) return commands::GetDriveList(kFixedDrives);
  return CheckedFolders();
}

}  // namespace

bool IsStopRequested() { return ButtonCaption(按钮_停止搜索) == texts::kStopped; }

// A request while a search runs is ignored: the running search reads the
// keywords, the roots and the result list, and the stop button ends it.
core::HandlerResult StartSearch(std::span<const core::Value>) {
  if (SearchRunning()) return std::nullopt;
  if (IsChecked(单选框_指定路径) && commands::ListViewGetCount(MainWindowList(超级列表框_路径)) == 0) {
    ShowMessage(texts::kNoSearchFolders);
    return std::nullopt;
  }
  SetButtonCaption(按钮_停止搜索, core::Text(texts::kCaptionStopSearch));
  KeywordList.clear();
  const core::Text typed = EditBoxContent(编辑框_文件名);
  TidiedNames names = TidyNameList(typed);
  // Setting 10,000 lines costs Wine's edit box a third of a second even
  // when they are the same, and would move the caret and the scroll.
  if (names.box_content != typed) SetEditBoxContent(编辑框_文件名, names.box_content);
  KeywordList = std::move(names.keywords);
  if (names.box_content.empty()) {
    ShowMessage(texts::kNoNamesEntered);
    return std::nullopt;
  }
  commands::ListViewDeleteAll(MainWindowList(超级列表框1));
  SetSuggestionsOfShownRows({});
  SearchRoots = ChosenRoots();
  if (IsChecked(选择框_搜索目录)) {
    StartFolderNameSearch(KeywordList, SearchRoots);
  } else {
    SearchFiles(KeywordList, SearchRoots, IsChecked(单选框_模糊搜索));
  }
  SetEnabled(按钮_未搜索到文件, true);
  return std::nullopt;
}

core::HandlerResult RequestStop(std::span<const core::Value>) {
  SetButtonCaption(按钮_停止搜索, core::Text(texts::kStopped));
  StopFolderNameSearch();
  return std::nullopt;
}

}  // namespace vorlix::app
