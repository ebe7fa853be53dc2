#include "platform/folder_making.h"

#include <windows.h>

#include <string>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Where the folders to be made begin: after C:\ or after \\server\share\.
std::size_t FirstFolderAt(const std::wstring& path) {
  if (path.size() >= 2 && path[1] == L':') return path.size() > 2 && path[2] == L'\\' ? 3 : 2;
  if (path.starts_with(L"\\\\")) {
    const std::size_t share = path.find(L'\\', 2);
    const std::size_t after_share = share == std::wstring::npos ? share : path.find(L'\\', share + 1);
    return after_share == std::wstring::npos ? path.size() : after_share + 1;
  }
  return 0;
}

}  // namespace

bool MakeFolderPath(std::string_view path) {
  std::wstring wide = Wide(path);
  while (wide.size() > 1 && wide.back() == L'\\') wide.pop_back();
  if (wide.empty()) return false;
  for (std::size_t at = FirstFolderAt(wide); at <= wide.size(); ++at) {
    if (at != wide.size() && wide[at] != L'\\') continue;
    const std::wstring part = wide.substr(0, at);
    if (!part.empty() && !IsFolder(part)) CreateDirectoryW(part.c_str(), nullptr);
  }
  return IsFolder(wide);
}

}  // namespace vorlix::platform
