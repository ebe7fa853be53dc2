#include "tests/win32/settings_window_fixture.h"

#include <ole2.h>

#include "app/mainwindow/main_window_units.h"
#include "app/mainwindow/window_lifetime.h"
#include "app/settings/option_handlers.h"
#include "app/settings/saved_state.h"
#include "app/settings/search_folders.h"
#include "app/settings/settings_at_start.h"
#include "runtime/commands/list_view_commands.h"
#include "runtime/commands/settings_commands.h"
#include "runtime/core/events/message_loop.h"
#include "runtime/core/program/program_location.h"
#include "runtime/core/units/unit_properties.h"
#include "tests/win32/test_drag_source.h"

namespace vorlix::test {
namespace {

using app::Guarded;

const core::UnitReference kFolderList{core::kMainWindowId, app::main_window::超级列表框_路径,
                                      core::type_codes::kListView};

std::string ConfigFile(const vorlix::testing::TemporaryFolder& folder) { return folder.Path("config.ini"); }

int chosen_position = -1;
std::vector<std::u16string> popup_captions;
HHOOK popup_hook = nullptr;

LRESULT CALLBACK ChooseInPopup(int code, WPARAM wparam, LPARAM lparam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
  if (code == HC_ACTION && message->message == WM_INITMENUPOPUP && popup_captions.empty()) {
    HMENU popup = reinterpret_cast<HMENU>(message->wParam);
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
      wchar_t caption[64] = {};
      GetMenuStringW(popup, i, caption, 64, MF_BYPOSITION);
      popup_captions.emplace_back(reinterpret_cast<const char16_t*>(caption));
    }
    // The menu's own loop takes the keys from the thread's queue.
    for (int i = 0; i <= chosen_position; ++i) PostMessageW(message->hwnd, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(message->hwnd, WM_KEYDOWN, chosen_position >= 0 ? VK_RETURN : VK_ESCAPE, 0);
  }
  return CallNextHookEx(popup_hook, code, wparam, lparam);
}

}  // namespace

void PrintTo(const FolderRow& row, std::ostream* out) {
  *out << "{\"" << Utf8(std::u16string(reinterpret_cast<const char16_t*>(platform::Wide(row.text).c_str())))
       << "\", " << (row.checked ? "checked" : "unchecked") << "}";
}

PopupChooser::PopupChooser(int position) {
  chosen_position = position;
  popup_captions.clear();
  popup_hook = SetWindowsHookExW(WH_CALLWNDPROC, ChooseInPopup, nullptr, GetCurrentThreadId());
  hook_ = popup_hook;
}

PopupChooser::~PopupChooser() { UnhookWindowsHookEx(hook_); }

const std::vector<std::u16string>& PopupChooser::Captions() const { return popup_captions; }

void SettingsWindowTest::SetUp() {
  MainWindowTest::SetUp();
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  program_directory_ = core::ThisProgram().directory;
  core::SetProgramDirectory(folder_.Path());
  const std::pair<std::string_view, core::Handler> handlers[] = {
      {"LoadSettingsAtStart", Guarded<app::LoadSettingsAtStart>},
      {"SaveStateAtClose", Guarded<app::SaveStateAtClose>},
      {"AddFolderFromDialog", Guarded<app::AddFolderFromDialog>},
      {"AddDroppedItems", Guarded<app::AddDroppedItems>},
      {"ShowFolderMenu", Guarded<app::ShowFolderMenu>},
      {"SaveFoldersClicked", Guarded<app::SaveFoldersClicked>},
      {"FolderNamesOnlyClicked", Guarded<app::FolderNamesOnlyClicked>},
      {"SaveKeywordsClicked", Guarded<app::SaveKeywordsClicked>},
      {"AutoRenameClicked", Guarded<app::AutoRenameClicked>},
      {"ExactMatchClicked", Guarded<app::ExactMatchClicked>},
      {"FuzzyMatchClicked", Guarded<app::FuzzyMatchClicked>},
      {"ChosenFoldersClicked", Guarded<app::ChosenFoldersClicked>},
      {"WholeComputerClicked", Guarded<app::WholeComputerClicked>},
      {"OptionHint", Guarded<app::OptionHint>},
      {"RemoveCurrentFolder", Guarded<app::RemoveCurrentFolder>},
      {"RemoveAllFolders", Guarded<app::RemoveAllFolders>},
      {"CheckAllFolders", Guarded<app::CheckAllFolders>},
      {"UncheckAllFolders", Guarded<app::UncheckAllFolders>},
      {"ToggleMoveButton", Guarded<app::ToggleMoveButton>},
      {"ToggleDeleteButton", Guarded<app::ToggleDeleteButton>},
  };
  for (const auto& [name, routine] : handlers) Replace(name, routine);
}

void SettingsWindowTest::TearDown() {
  MainWindowTest::TearDown();
  core::SetProgramDirectory(program_directory_);
  OleUninitialize();
}

void SettingsWindowTest::Start() {
  ASSERT_TRUE(Build());
  core::ProcessPendingMessages();
}

void SettingsWindowTest::Close() {
  PostMessageW(Frame(), WM_SYSCOMMAND, SC_CLOSE, 0);
  core::ProcessPendingMessages();
  ASSERT_EQ(Frame(), nullptr) << "the window closed";
  PumpMessages();
}

void SettingsWindowTest::Click(std::u16string_view unit) {
  PostMessageW(Unit(unit), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  PostMessageW(Unit(unit), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  core::ProcessPendingMessages();
}

void SettingsWindowTest::RightClick(std::u16string_view unit, POINT at) {
  PostMessageW(Unit(unit), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
  PostMessageW(Unit(unit), WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  core::ProcessPendingMessages();
}

void SettingsWindowTest::Drop(const std::vector<std::wstring>& paths) {
  RECT place;
  GetWindowRect(Unit(u"编辑框_文件名"), &place);
  SetCursorPos(place.left + 20, place.top + 20);
  core::ProcessPendingMessages();
  vorlix::testing::TestDataObject files;
  files.AddFiles(paths);
  vorlix::testing::DropAtOnce source;
  DWORD effect = DROPEFFECT_NONE;
  DoDragDrop(&files, &source, DROPEFFECT_COPY, &effect);
  core::ProcessPendingMessages();
}

bool SettingsWindowTest::Checked(std::u16string_view unit) {
  return SendMessageW(Unit(unit), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::u16string SettingsWindowTest::MenuCaption(core::UnitId item) {
  const core::Value caption = core::ReadUnitProperty(core::kMainWindowId, item, 0);
  const std::wstring wide = platform::Wide(*caption.get_if<core::Text>());
  return std::u16string(wide.begin(), wide.end());
}

std::optional<std::string> SettingsWindowTest::StoredOption(std::string_view key) {
  return commands::ReadWholeSettingsItem(ConfigFile(folder_), "zhuce", key);
}

void SettingsWindowTest::StoreOption(std::string_view key, std::string_view value) {
  ASSERT_TRUE(commands::WriteSettingsItem(ConfigFile(folder_), "zhuce", key, value));
}

std::vector<FolderRow> SettingsWindowTest::Rows() {
  std::vector<FolderRow> rows;
  for (std::int32_t i = 0; i < commands::ListViewGetCount(kFolderList); ++i) {
    rows.push_back({commands::ListViewGetText(kFolderList, i), commands::ListViewGetCheck(kFolderList, i) == 1});
  }
  return rows;
}

void SettingsWindowTest::SetRows(const std::vector<FolderRow>& rows) {
  commands::ListViewDeleteAll(kFolderList);
  for (const FolderRow& row : rows) {
    const std::int32_t at = commands::ListViewInsertItem(kFolderList, std::nullopt, row.text);
    commands::ListViewSetCheck(kFolderList, at, row.checked ? 1 : 0);
  }
  // Shown at once, as a person sees them before pressing on them.
  commands::ListViewFlushCount(kFolderList);
}

std::wstring SettingsWindowTest::NameBoxText() {
  HWND box = Unit(u"编辑框_文件名");
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SettingsWindowTest::SetNameBoxText(const std::wstring& text) {
  SetWindowTextW(Unit(u"编辑框_文件名"), text.c_str());
}

}  // namespace vorlix::test
