#include "tests/win32/folder_browser_selection.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string_view>

namespace vorlix::testing {
namespace {

// The tree is the dialog's child in the classic browser, a grandchild in
// the new-style one.
HWND FolderTree(HWND dialog) {
  HWND tree = FindWindowExW(dialog, nullptr, WC_TREEVIEWW, nullptr);
  for (HWND child = nullptr; tree == nullptr && (child = FindWindowExW(dialog, child, nullptr, nullptr));) {
    tree = FindWindowExW(child, nullptr, WC_TREEVIEWW, nullptr);
  }
  return tree;
}

}  // namespace

bool SelectInFolderBrowser(HWND dialog, const std::wstring& path) {
  SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
  SHFILEINFOW shown{};
  SHGetFileInfoW(path.c_str(), 0, &shown, sizeof shown, SHGFI_DISPLAYNAME);
  HWND tree = FolderTree(dialog);
  wchar_t text[MAX_PATH] = {};
  TVITEMW item{};
  item.mask = TVIF_TEXT;
  item.hItem = TreeView_GetSelection(tree);
  item.pszText = text;
  item.cchTextMax = MAX_PATH;
  const bool selected = item.hItem != nullptr && TreeView_GetItem(tree, &item);
  return selected && std::wstring_view(text) == shown.szDisplayName;
}

}  // namespace vorlix::testing
