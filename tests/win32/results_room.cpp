#include "tests/win32/results_room.h"

#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string_view>

#include "app/mainwindow/external_function_declarations.h"
#include "app/mainwindow/handler_names.h"
#include "app/mainwindow/handler_table.h"
#include "app/mainwindow/main_window_units.h"
#include "app/results/result_units.h"
#include "platform/hidden_owner_window.h"
#include "platform/wide_text.h"
#include "runtime/commands/file_commands.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/core/program/external_functions.h"
#include "runtime/core/events/message_loop.h"
#include "runtime/core/units/unit_properties.h"
#include "tests/win32/folder_browser_selection.h"
#include "texts.h"

namespace vorlix::test {
namespace {

namespace units = app::main_window;

// The handlers of this room; the others keep recording.
constexpr std::string_view kResultHandlers[] = {
    "ShowResultMenu",   "OpenResultFile",         "SortResultsByColumn", "CheckAllResults",
    "UncheckAllResults", "CopyCheckedFiles",      "MoveCheckedFiles",    "DeleteCheckedFiles",
    "CopyCheckedToClipboard", "OpenResultLocation", "CheckSelectedResults",
    "CopyCheckedKeepingFolders", "MoveCheckedKeepingFolders", "WriteNameCounts", "ExportResultList",
};

core::Value Read(core::UnitId unit, int number) { return core::ReadUnitProperty(core::kMainWindowId, unit, number); }

BOOL CALLBACK CollectStaticText(HWND child, LPARAM texts) {
  wchar_t name[16];
  GetClassNameW(child, name, 16);
  wchar_t text[2048] = {};
  GetWindowTextW(child, text, 2048);
  if (std::wstring_view(name) == L"Static" && text[0] != L'\0') {
    std::string& joined = *reinterpret_cast<std::string*>(texts);
    joined += platform::Narrow(text);
  }
  return TRUE;
}

}  // namespace

std::string MessageText(HWND box) {
  std::string text;
  EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
  return text;
}

void ResultsRoom::SetUp() {
  MainWindowTest::SetUp();
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  // Work done on threads (a big sort) lands through it, as in the program.
  platform::CreateHiddenOwnerWindow();
  core::CreateExternalFunctions(app::ExternalFunctionDeclarations(), {"", "C:\\nowhere", "C:\\nowhere\\"});
  const auto real = app::HandlerTable();
  for (std::size_t entry = 0; entry < app::kHandlerNames.size(); ++entry) {
    for (std::string_view name : kResultHandlers) {
      if (app::kHandlerNames[entry] == name) Replace(name, real[entry]);
    }
  }
  ReplaceMoreHandlers();
  ASSERT_TRUE(Build());
  DeleteFileW(platform::Wide(RecordPath()).c_str());
}

void ResultsRoom::TearDown() {
  DeleteFileW(platform::Wide(RecordPath()).c_str());
  MainWindowTest::TearDown();
  core::UnloadExternalFunctions();
  OleUninitialize();
}

void ResultsRoom::AddRows(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    const std::int32_t index = commands::ListViewInsertItem(app::ResultList(), std::nullopt, row.path);
    commands::ListViewSetText(app::ResultList(), index, 1, row.path.substr(row.path.rfind('\\') + 1));
    commands::ListViewSetCheck(app::ResultList(), index, row.checked ? 1 : 0);
  }
}

std::vector<std::string> ResultsRoom::Paths() {
  std::vector<std::string> paths;
  for (std::int32_t i = 0; i < commands::ListViewGetCount(app::ResultList()); ++i) {
    paths.push_back(commands::ListViewGetText(app::ResultList(), i, 0));
  }
  return paths;
}

std::vector<std::string> ResultsRoom::Names() {
  std::vector<std::string> names;
  for (std::int32_t i = 0; i < commands::ListViewGetCount(app::ResultList()); ++i) {
    names.push_back(commands::ListViewGetText(app::ResultList(), i, 1));
  }
  return names;
}

std::vector<int> ResultsRoom::CheckedRows() {
  std::vector<int> checked;
  for (std::int32_t i = 0; i < commands::ListViewGetCount(app::ResultList()); ++i) {
    if (commands::ListViewGetCheck(app::ResultList(), i) == 1) checked.push_back(i);
  }
  return checked;
}

void ResultsRoom::ClearRows() { commands::ListViewDeleteAll(app::ResultList()); }

void ResultsRoom::Select(const std::vector<int>& rows) {
  for (int row : rows) {
    ListView_SetItemState(Unit(u"超级列表框1"), row, LVIS_SELECTED, LVIS_SELECTED);
  }
}

void ResultsRoom::ClearSelection() { ListView_SetItemState(Unit(u"超级列表框1"), -1, 0, LVIS_SELECTED); }

void ResultsRoom::Click(std::u16string_view button) {
  SendMessageW(Unit(button), BM_CLICK, 0, 0);
  core::ProcessPendingMessages();
}

std::string ResultsRoom::Status() {
  const core::Value caption = Read(units::标签_状态, 8);
  const core::Text* text = caption.get_if<core::Text>();
  return text != nullptr ? *text : std::string();
}

void ResultsRoom::ClearStatus() { core::WriteUnitProperty(core::kMainWindowId, units::标签_状态, 8, core::Text()); }

int ResultsRoom::ProgressMaximum() {
  const core::Value maximum = Read(units::进度条1, 12);
  return *maximum.get_if<std::int32_t>();
}

int ResultsRoom::ProgressPosition() {
  const core::Value position = Read(units::进度条1, 13);
  return *position.get_if<std::int32_t>();
}

void ResultsRoom::SetAutoRename(bool on) { core::WriteUnitProperty(core::kMainWindowId, units::选择框1, 18, on); }

std::string ResultsRoom::RecordPath() {
  return commands::GetRunDirectory() + "\\" + std::string(texts::kRecordFileName);
}

std::string ResultsRoom::WithRecordPlace(const std::string& message) {
  return message + "\r\n\r\n" + std::string(texts::kRecordWhere) + RecordPath();
}

// The dialog fills its folder tree as it goes, so the selection is asked
// for until the tree shows the folder selected.
DialogAnswers::Step ResultsRoom::ChooseFolder(const std::string& folder) {
  return {IDOK, [folder](HWND dialog) { return vorlix::testing::SelectInFolderBrowser(dialog, platform::Wide(folder)); }};
}

DialogAnswers::Step ResultsRoom::CancelDialog() { return {IDCANCEL, {}}; }

DialogAnswers::Step ResultsRoom::ReadMessage(std::string& text, int button) {
  return {button, [&text](HWND box) {
            text = MessageText(box);
            return true;
          }};
}

}  // namespace vorlix::test
