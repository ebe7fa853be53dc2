#include "platform/folder_chooser.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

using BrowseFunction = PIDLIST_ABSOLUTE(WINAPI*)(LPBROWSEINFOW);
using PathFunction = BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, PWSTR, DWORD, GPFIDL_FLAGS);
using FreeFunction = void(WINAPI*)(PIDLIST_RELATIVE);

// The longest path the system knows, with its terminator.
constexpr DWORD kLongPathBuffer = 32768;

}  // namespace

std::string ChooseFolderPath(const FolderChooserEntries& entries, std::intptr_t owner, std::string_view gbk_title,
                             std::uint32_t flags) {
  const std::wstring title = Wide(gbk_title);
  wchar_t display_name[MAX_PATH] = {};
  BROWSEINFOW information{};
  information.hwndOwner = reinterpret_cast<HWND>(owner);
  information.pszDisplayName = display_name;
  information.lpszTitle = title.c_str();
  information.ulFlags = flags;
  PIDLIST_ABSOLUTE chosen = reinterpret_cast<BrowseFunction>(entries.browse)(&information);
  if (chosen == nullptr) return {};
  std::wstring path(kLongPathBuffer, L'\0');
  const bool has_path =
      reinterpret_cast<PathFunction>(entries.path_of)(chosen, path.data(), kLongPathBuffer, GPFIDL_DEFAULT);
  reinterpret_cast<FreeFunction>(entries.free_item)(chosen);
  if (!has_path) return {};
  path.resize(wcslen(path.c_str()));
  return Narrow(path);
}

}  // namespace vorlix::platform
