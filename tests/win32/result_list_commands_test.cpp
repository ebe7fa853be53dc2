// The result list's own commands on the built main window: checking,
// unchecking and checking the selection, its menu, and opening a result's
// file or its folder.
#include <windows.h>
#include <commctrl.h>
#undef FindWindow

#include <gtest/gtest.h>

#include "platform/wide_text.h"
#include "runtime/core/events/message_loop.h"
#include "tests/win32/results_room.h"
#include "tests/win32/window_test_support.h"

namespace vorlix::test {
namespace {

using Rows = std::vector<int>;

// Another program's top-level window whose title holds the text; closed
// when found. Starting that program takes Wine seconds on a busy machine.
bool CloseWindowTitled(const std::wstring& part, int milliseconds = 30000) {
  struct Search {
    std::wstring part;
    HWND found = nullptr;
  } search{part};
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  while (search.found == nullptr && GetTickCount64() < end) {
    EnumWindows(
        [](HWND window, LPARAM data) CALLBACK -> BOOL {
          auto& s = *reinterpret_cast<Search*>(data);
          wchar_t title[512] = {};
          GetWindowTextW(window, title, 512);
          if (IsWindowVisible(window) && std::wstring_view(title).find(s.part) != std::wstring_view::npos) {
            s.found = window;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) Sleep(100);
  }
  if (search.found != nullptr) PostMessageW(search.found, WM_CLOSE, 0, 0);
  return search.found != nullptr;
}

class ResultListCommands : public ResultsRoom {
 protected:
  // Four rows, 0 and 2 checked, none selected.
  void FourRows() {
    ClearRows();
    AddRows({{"C:\\a\\0.txt", true}, {"C:\\a\\1.txt"}, {"C:\\a\\2.txt", true}, {"C:\\a\\3.txt"}});
  }
};

TEST_F(ResultListCommands, the_checking_buttons_and_menu_entry_set_the_check_marks) {
  const struct {
    std::u16string_view button;  // empty: the menu entry that checks the selection
    Rows selected;
    Rows checked_after;
  } cases[] = {
      {u"按钮1", {}, {0, 1, 2, 3}},
      {u"按钮2", {}, {}},
      {u"", {}, {0, 2}},
      {u"", {1, 2}, {0, 1, 2}},
      {u"", {0, 1, 2, 3}, {0, 1, 2, 3}},
  };
  for (const auto& c : cases) {
    FourRows();
    Select(c.selected);
    if (c.button.empty()) {
      PostMessageW(Frame(), WM_COMMAND, 20007, 0);  // 批量勾选选定项目
      core::ProcessPendingMessages();
    } else {
      Click(c.button);
    }
    EXPECT_EQ(CheckedRows(), c.checked_after) << Utf8(c.button) << " with " << c.selected.size() << " selected";
  }
}

TEST_F(ResultListCommands, a_right_press_pops_up_the_locate_menu) {
  static std::wstring first_item;
  HHOOK hook = SetWindowsHookExW(
      WH_CALLWNDPROC,
      [](int code, WPARAM wparam, LPARAM lparam) CALLBACK -> LRESULT {
        const auto* message = reinterpret_cast<const CWPSTRUCT*>(lparam);
        if (code == HC_ACTION && message->message == WM_INITMENUPOPUP) {
          wchar_t caption[64] = {};
          GetMenuStringW(reinterpret_cast<HMENU>(message->wParam), 0, caption, 64, MF_BYPOSITION);
          first_item = caption;
          EndMenu();
        }
        return CallNextHookEx(nullptr, code, wparam, lparam);
      },
      nullptr, GetCurrentThreadId());
  PostMessageW(Unit(u"超级列表框1"), WM_RBUTTONDOWN, 0, MAKELPARAM(50, 100));
  PostMessageW(Unit(u"超级列表框1"), WM_RBUTTONUP, 0, MAKELPARAM(50, 100));
  core::ProcessPendingMessages();
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(first_item, L"打开文件所在位置");
}

// The file's name lies outside GBK, and so does its folder's: both reach
// the shell whole. Wine's prefix opens .ini files in its notepad.
TEST_F(ResultListCommands, locate_opens_the_files_folder_and_a_double_click_opens_the_file) {
  const std::string folder = platform::Narrow(L"목록");
  const std::string name = platform::Narrow(L"보고서 😀.ini");
  folder_.MakeFolder(folder);
  folder_.Write(folder + "\\" + name, "text");
  AddRows({{folder_.Path("gone.txt")}, {folder_.Path(folder + "\\" + name)}});

  Select({0});  // a row whose file is gone: nothing opens
  PostMessageW(Frame(), WM_COMMAND, 20006, 0);  // 打开文件所在位置
  core::ProcessPendingMessages();
  EXPECT_FALSE(CloseWindowTitled(L"vorlix-test-", 1500));

  ClearSelection();
  Select({1});
  PostMessageW(Frame(), WM_COMMAND, 20006, 0);
  core::ProcessPendingMessages();
  EXPECT_TRUE(CloseWindowTitled(L"목록")) << "a file manager window on the folder";

  RECT row{};
  row.left = LVIR_BOUNDS;
  SendMessageW(Unit(u"超级列表框1"), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
  const LPARAM inside = MAKELPARAM(row.left + 40, (row.top + row.bottom) / 2);
  PostMessageW(Unit(u"超级列表框1"), WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
  PostMessageW(Unit(u"超级列表框1"), WM_LBUTTONUP, 0, inside);
  core::ProcessPendingMessages();
  EXPECT_TRUE(CloseWindowTitled(L"보고서 😀")) << "the file opened in its program";
}

}  // namespace
}  // namespace vorlix::test
