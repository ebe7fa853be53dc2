#include "platform/directory_listing.h"

#include <windows.h>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

void Fill(const WIN32_FIND_DATAW& data, DirectoryEntry& entry) {
  entry.name = Narrow(data.cFileName);
  entry.attributes = data.dwFileAttributes;
}

}  // namespace

FindHandle FindFirstEntry(std::string_view pattern, DirectoryEntry& entry) {
  WIN32_FIND_DATAW data;
  HANDLE handle = FindFirstFileW(Wide(pattern).c_str(), &data);
  if (handle == INVALID_HANDLE_VALUE) return 0;
  Fill(data, entry);
  return reinterpret_cast<FindHandle>(handle);
}

bool FindNextEntry(FindHandle handle, DirectoryEntry& entry) {
  WIN32_FIND_DATAW data;
  if (!FindNextFileW(reinterpret_cast<HANDLE>(handle), &data)) return false;
  Fill(data, entry);
  return true;
}

void CloseFind(FindHandle handle) { FindClose(reinterpret_cast<HANDLE>(handle)); }

bool AnyEntryMatches(std::string_view pattern) {
  if (pattern.empty()) return false;
  WIN32_FIND_DATAW data;
  HANDLE handle = FindFirstFileW(Wide(pattern).c_str(), &data);
  if (handle == INVALID_HANDLE_VALUE) return false;
  FindClose(handle);
  return true;
}

}  // namespace vorlix::platform
