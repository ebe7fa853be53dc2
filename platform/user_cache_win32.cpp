#include <windows.h>
#include <shlobj.h>

#include "platform/user_cache.h"
#include "platform/wide_text.h"

namespace vorlix::platform {

// The local application data folder always exists; only ours may not.
std::string UserCacheFile(std::string_view name) {
  PWSTR base = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &base))) folder = base;
  CoTaskMemFree(base);
  if (folder.empty()) return {};
  folder += L"\\vorlix";
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return {};
  return Narrow(folder) + "\\" + std::string(name);
}

}  // namespace vorlix::platform
