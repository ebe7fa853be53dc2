#include "platform/folder_browser.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

// The windows to disable: top-level ones (not child windows), each with
// whether it was enabled before.
struct DisabledWindow {
  HWND window;
  bool was_enabled;
};

std::vector<DisabledWindow> DisableTopLevel(std::span<const WindowHandle> windows) {
  std::vector<DisabledWindow> disabled;
  for (WindowHandle handle : windows) {
    HWND window = reinterpret_cast<HWND>(handle);
    if (!IsWindow(window) || (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) != 0) continue;
    disabled.push_back({window, IsWindowEnabled(window) != FALSE});
    EnableWindow(window, FALSE);
  }
  return disabled;
}

void Restore(const std::vector<DisabledWindow>& disabled, HWND foreground, HWND active) {
  for (const DisabledWindow& entry : disabled) {
    if (IsWindow(entry.window)) EnableWindow(entry.window, entry.was_enabled);
  }
  if (foreground != nullptr && IsWindow(foreground)) SetForegroundWindow(foreground);
  if (active != nullptr && IsWindow(active)) SetActiveWindow(active);
}

// SHGetPathFromIDList writes into a buffer of MAX_PATH characters whatever
// the path's length; the shell's own allocation has no such limit.
std::string FileSystemPath(PCIDLIST_ABSOLUTE item) {
  PWSTR path = nullptr;
  if (FAILED(SHGetNameFromIDList(item, SIGDN_FILESYSPATH, &path)) || path == nullptr) return {};
  std::string gbk = Narrow(path);
  CoTaskMemFree(path);
  return gbk;
}

}  // namespace

std::string BrowseForFolder(std::string_view gbk_prompt, bool include_files,
                            std::span<const WindowHandle> program_windows) {
  HWND active = GetActiveWindow();
  if (active != nullptr && !IsWindow(active)) active = nullptr;
  HWND foreground = GetForegroundWindow();
  const std::vector<DisabledWindow> disabled = DisableTopLevel(program_windows);

  std::wstring prompt = Wide(gbk_prompt);
  wchar_t display_name[MAX_PATH] = {};
  BROWSEINFOW info{};
  info.hwndOwner = active;
  info.pszDisplayName = display_name;
  info.lpszTitle = prompt.c_str();
  info.ulFlags = BIF_EDITBOX;
  if (include_files) info.ulFlags |= BIF_BROWSEINCLUDEFILES;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);

  Restore(disabled, foreground, active);
  if (chosen == nullptr) return {};
  std::string path = FileSystemPath(chosen);
  CoTaskMemFree(chosen);
  return path;
}

}  // namespace vorlix::platform
