#include "platform/folder_window.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

using ItemFunction = PIDLIST_ABSOLUTE(WINAPI*)(PCWSTR);
using OpenFunction = HRESULT(WINAPI*)(PCIDLIST_ABSOLUTE, UINT, PCUITEMID_CHILD_ARRAY, DWORD);
using FreeFunction = void(WINAPI*)(PIDLIST_RELATIVE);

}  // namespace

bool ShowInFolder(const FolderWindowEntries& entries, std::string_view gbk_path) {
  PIDLIST_ABSOLUTE item = reinterpret_cast<ItemFunction>(entries.item_of_path)(Wide(gbk_path).c_str());
  if (item != nullptr) reinterpret_cast<OpenFunction>(entries.open_folder)(item, 0, nullptr, 0);
  reinterpret_cast<FreeFunction>(entries.free_item)(item);
  return item != nullptr;
}

}  // namespace vorlix::platform
