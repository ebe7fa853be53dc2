#include "platform/final_path.h"

#include <windows.h>

namespace vorlix::platform {

std::optional<std::wstring> FinalPath(const std::wstring& path) {
  const HANDLE item =
      CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (item == INVALID_HANDLE_VALUE) return std::nullopt;
  std::wstring final_path(MAX_PATH, L'\0');
  DWORD size =
      GetFinalPathNameByHandleW(item, final_path.data(), static_cast<DWORD>(final_path.size()), VOLUME_NAME_DOS);
  if (size >= final_path.size()) {
    final_path.resize(size);
    size = GetFinalPathNameByHandleW(item, final_path.data(), static_cast<DWORD>(final_path.size()), VOLUME_NAME_DOS);
  }
  CloseHandle(item);
  if (size == 0 || size >= final_path.size()) return std::nullopt;
  final_path.resize(size);
  if (final_path.starts_with(L"\\\\?\\UNC\\")) return L"\\" + final_path.substr(7);
  if (final_path.starts_with(L"\\\\?\\")) return final_path.substr(4);
  return final_path;
}

}  // namespace vorlix::platform
