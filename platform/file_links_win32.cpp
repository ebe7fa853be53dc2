#include "platform/file_links.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/final_path.h"

namespace vorlix::platform {
namespace {

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

std::wstring Joined(const std::wstring& folder, const std::wstring& name) {
  return !folder.empty() && folder.back() == L'\\' ? folder + name : folder + L'\\' + name;
}

// An item whose resolved path is not its folder's resolved path and its
// own name was reached through a link of its own.
bool ResolvesElsewhere(const std::wstring& item, const std::wstring& resolved_folder, const std::wstring& name) {
  const std::optional<std::wstring> resolved = FinalPath(item);
  return resolved && !SameIgnoringCase(*resolved, Joined(resolved_folder, name));
}

bool IsReparsePoint(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

std::wstring ParentOf(const std::wstring& path, std::wstring& name) {
  std::wstring trimmed = path;
  while (trimmed.size() > 1 && (trimmed.back() == L'\\' || trimmed.back() == L'/')) trimmed.pop_back();
  const std::size_t separator = trimmed.find_last_of(L"\\/");
  if (separator == std::wstring::npos) return {};
  name = trimmed.substr(separator + 1);
  // "D:\x" lies in "D:\", not in "D:" (the current folder of drive D:).
  return trimmed.substr(0, separator == 2 && trimmed[1] == L':' ? 3 : separator);
}

// Lists one folder; false when it cannot be listed.
template <class Visit>
bool ListFolder(const std::wstring& folder, Visit visit) {
  WIN32_FIND_DATAW entry;
  HANDLE listing = FindFirstFileExW(Joined(folder, L"*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                    nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (listing == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
  bool whole = true;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    if (!visit(name, entry.dwFileAttributes)) break;
  } while (FindNextFileW(listing, &entry) || !(whole = GetLastError() == ERROR_NO_MORE_FILES));
  FindClose(listing);
  return whole;
}

}  // namespace

bool IsLink(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  HANDLE found = FindFirstFileW(path.c_str(), &entry);
  if (found == INVALID_HANDLE_VALUE) {
    // Not listable in its folder: only its own attributes can tell.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && IsReparsePoint(attributes);
  }
  FindClose(found);
  if (IsReparsePoint(entry.dwFileAttributes)) return true;
  std::wstring name;
  const std::wstring folder = ParentOf(path, name);
  const std::optional<std::wstring> resolved_folder = folder.empty() ? std::nullopt : FinalPath(folder);
  return resolved_folder && ResolvesElsewhere(path, *resolved_folder, entry.cFileName);
}

TreeLinks LinksInTree(const std::wstring& folder, bool file_links_count) {
  std::vector<std::wstring> pending{folder};
  while (!pending.empty()) {
    const std::wstring current = std::move(pending.back());
    pending.pop_back();
    const std::optional<std::wstring> resolved = FinalPath(current);
    if (!resolved) return TreeLinks::kUnreadable;
    TreeLinks found = TreeLinks::kNone;
    const bool listed = ListFolder(current, [&](const std::wstring& name, DWORD attributes) {
      const bool is_folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
      if (IsReparsePoint(attributes)) {
        if (is_folder) found = TreeLinks::kFolderLink;
        if (!is_folder && file_links_count) found = TreeLinks::kFileLink;
      } else if (is_folder) {
        pending.push_back(Joined(current, name));
      } else if (file_links_count && ResolvesElsewhere(Joined(current, name), *resolved, name)) {
        found = TreeLinks::kFileLink;
      }
      return found == TreeLinks::kNone;
    });
    if (found != TreeLinks::kNone) return found;
    if (!listed) return TreeLinks::kUnreadable;
  }
  return TreeLinks::kNone;
}

}  // namespace vorlix::platform
