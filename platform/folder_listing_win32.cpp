#include "platform/folder_listing.h"

#include <windows.h>

#include <string>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

bool IsDotOrDotDot(const wchar_t* name) { return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0)); }

class FindHandleOwner {
 public:
  explicit FindHandleOwner(HANDLE handle) : handle_(handle) {}
  ~FindHandleOwner() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  FindHandleOwner(const FindHandleOwner&) = delete;
  FindHandleOwner& operator=(const FindHandleOwner&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

// Basic information (no short names) fetched in large batches: the cheapest
// listing the W functions offer.
bool ListFolder(std::string_view folder, FolderEntryVisitor& visitor) {
  const std::wstring pattern = Wide(folder) + L"*";
  WIN32_FIND_DATAW data;
  const FindHandleOwner find(
      FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
  if (find.get() == INVALID_HANDLE_VALUE) return false;
  std::string name;
  do {
    if (IsDotOrDotDot(data.cFileName)) continue;
    name = Narrow(data.cFileName);
    const FolderEntry entry{name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                            (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0};
    if (!visitor.Visit(entry)) return true;
  } while (FindNextFileW(find.get(), &data));
  // Any other reason to stop (a network drive gone, a disk error) cuts the
  // listing short.
  return GetLastError() == ERROR_NO_MORE_FILES;
}

// Opening without FILE_FLAG_OPEN_REPARSE_POINT follows a link to the folder
// it leads to; backup semantics is what lets CreateFile open a folder.
std::optional<FolderIdentity> IdentifyFolder(std::string_view path) {
  const HANDLE file = CreateFileW(Wide(path).c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION information;
  const bool known = GetFileInformationByHandle(file, &information) != 0;
  CloseHandle(file);
  if (!known) return std::nullopt;
  return FolderIdentity{information.dwVolumeSerialNumber,
                        (static_cast<std::uint64_t>(information.nFileIndexHigh) << 32) | information.nFileIndexLow};
}

bool IsFolder(std::string_view path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace vorlix::platform
