#pragma once

// What a bad cable or sector does to a copy: one byte changed, in the file
// itself or in the first file of a folder's tree.
#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <string>

namespace vorlix::testing {

inline void FlipAByte(const std::wstring& item) {
  if (std::filesystem::is_directory(item)) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(item)) {
      if (entry.is_regular_file()) return FlipAByte(entry.path().wstring());
    }
    return;
  }
  HANDLE file = CreateFileW(item.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  char byte = 0;
  DWORD count = 0;
  ReadFile(file, &byte, 1, &count, nullptr);
  byte = static_cast<char>(~byte);
  SetFilePointer(file, 0, nullptr, FILE_BEGIN);
  WriteFile(file, &byte, 1, &count, nullptr);
  CloseHandle(file);
}

// The item that the shell's copy made in its target folder.
inline std::wstring CopyMadeBy(const SHFILEOPSTRUCTW& operation) {
  return (std::filesystem::path(operation.pTo) / std::filesystem::path(operation.pFrom).filename()).wstring();
}

}  // namespace vorlix::testing
