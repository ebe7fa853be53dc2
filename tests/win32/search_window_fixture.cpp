#include "tests/win32/search_window_fixture.h"

#include "app/mainwindow/external_function_declarations.h"
#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "app/search/folder_name_search.h"
#include "app/search/not_found_report.h"
#include "app/search/search_globals.h"
#include "app/search/search_request.h"
#include "app/search/search_run.h"
#include "platform/hidden_owner_window.h"
#include "platform/wide_text.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/core/program/external_functions.h"
#include "runtime/core/units/unit_properties.h"
#include "runtime/core/template/unit_property_numbers.h"

namespace vorlix::test {

using namespace app::main_window;

void SearchWindowTest::SetUp() {
  MainWindowTest::SetUp();
  Replace("StartSearch", app::Guarded<app::StartSearch>);
  Replace("RequestStop", app::Guarded<app::RequestStop>);
  Replace("WriteNotFoundReport", app::Guarded<app::WriteNotFoundReport>);
  platform::CreateHiddenOwnerWindow();
  const std::vector<core::ExternalFunctionDeclaration> declarations = app::ExternalFunctionDeclarations();
  const std::string directory = commands::GetRunDirectory();
  core::CreateExternalFunctions(declarations, {"", directory, directory + "\\"});
  app::CreateGlobalArrays();
  PlaceMoreHandlers();
  ASSERT_TRUE(Build());
  SearchWholeComputer(false);
  MatchFuzzy(false);
  FolderNamesOnly(false);
}

void SearchWindowTest::TearDown() {
  app::EndFolderNameSearch();
  PumpMessages();
  core::UnloadExternalFunctions();
  MainWindowTest::TearDown();
  app::SetSearchRunning(false);
  app::FreeGlobalArrays();
}

void SearchWindowTest::SetNames(const std::string& gbk) { app::SetEditBoxContent(编辑框_文件名, gbk); }

std::string SearchWindowTest::Names() { return app::EditBoxContent(编辑框_文件名); }

void SearchWindowTest::AddFolder(const std::string& path, bool checked) {
  commands::ListViewInsertItem(app::MainWindowList(超级列表框_路径), std::nullopt, path, std::nullopt, checked ? 1 : 0);
}

void SearchWindowTest::SearchWholeComputer(bool whole) {
  app::SetChecked(单选框_整个电脑, whole);
  app::SetChecked(单选框_指定路径, !whole);
}

void SearchWindowTest::MatchFuzzy(bool fuzzy) {
  app::SetChecked(单选框_模糊搜索, fuzzy);
  app::SetChecked(单选框_精确搜索, !fuzzy);
}

void SearchWindowTest::FolderNamesOnly(bool only) { app::SetChecked(选择框_搜索目录, only); }

void SearchWindowTest::Click(std::u16string_view button) {
  SendMessageW(Unit(button), BM_CLICK, 0, 0);
  PumpMessages();
}

bool SearchWindowTest::WaitForSearchEnd(int milliseconds) {
  return PumpUntil([] { return !app::SearchRunning(); }, milliseconds);
}

std::vector<Row> SearchWindowTest::Rows() {
  const core::UnitReference results = app::MainWindowList(超级列表框1);
  std::vector<Row> rows;
  const std::int32_t count = commands::ListViewGetCount(results);
  for (std::int32_t row = 0; row < count; ++row) {
    rows.emplace_back(commands::ListViewGetText(results, row, 0), commands::ListViewGetText(results, row, 1));
  }
  return rows;
}

std::string SearchWindowTest::Status() {
  const core::Value caption =
      core::ReadUnitProperty(core::kMainWindowId, 标签_状态, 8 + core::label_props::kCaption);
  const core::Text* text = caption.get_if<core::Text>();
  return text != nullptr ? *text : std::string();
}

std::string SearchWindowTest::StopCaption() { return app::ButtonCaption(按钮_停止搜索); }

void MakeFile(const std::string& path, DWORD attributes) {
  HANDLE file = CreateFileW(platform::Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes, nullptr);
  CloseHandle(file);
}

void MakeFolder(const std::string& path) { CreateDirectoryW(platform::Wide(path).c_str(), nullptr); }

}  // namespace vorlix::test
