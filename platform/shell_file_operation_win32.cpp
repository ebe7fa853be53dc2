#include "platform/shell_file_operation.h"

#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <future>
#include <optional>

#include "platform/copy_check.h"
#include "platform/file_links.h"
#include "platform/numbered_name.h"
#include "platform/whole_drive_path.h"
#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

using ShFileOperationW = int(WINAPI*)(LPSHFILEOPSTRUCTW);

// Beyond any count of copies of one name that a folder really holds.
constexpr int kLastNumber = 9999;

using Outcome = FileOperationOutcome;
using Failure = FileOperationFailure;

Outcome Failed(Failure why) { return {false, {}, why}; }
Outcome Landed(const std::wstring& path) { return {true, Narrow(path), Failure::kNone}; }
// A moved item at its place whose source could not be removed.
Outcome SourceStayed(const std::wstring& path) { return {false, Narrow(path), Failure::kSourceStayed}; }

struct DiskItem {
  bool is_folder;
  ULONGLONG size;
};

std::optional<DiskItem> ItemAt(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return DiskItem{(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                  (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow};
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::optional<BY_HANDLE_FILE_INFORMATION> IdentityOf(const std::wstring& path) {
  HANDLE item = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (item == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION information;
  const bool known = GetFileInformationByHandle(item, &information) != FALSE;
  CloseHandle(item);
  if (!known) return std::nullopt;
  return information;
}

bool SameIdentity(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

// By identity, not by name: another spelling of the path, or a hard link,
// is the same file, and copying it onto itself would empty it.
bool SameItem(const std::wstring& a, const std::wstring& b) {
  const auto first = IdentityOf(a);
  const auto second = IdentityOf(b);
  return first && second && SameIdentity(*first, *second);
}

// Whether the item that was at `path` is there still. By identity where it
// is known: under Wine a name finds another of another case when its own
// has gone (Mix.jpg beside mix.JPG), and would say a deleted file stayed.
bool StillThere(const std::wstring& path, const std::optional<BY_HANDLE_FILE_INFORMATION>& identity) {
  if (!identity) return Exists(path);
  const auto now = IdentityOf(path);
  return now && SameIdentity(*now, *identity);
}

std::wstring FullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  full.resize(GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
  while (full.size() > 3 && (full.back() == L'\\' || full.back() == L'/')) full.pop_back();
  return full;
}

bool SamePathIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

// The folder itself or a folder inside it: the shell would copy a folder
// into itself without end.
bool IsInside(const std::wstring& folder, const std::wstring& item) {
  const std::wstring outer = FullPath(folder);
  const std::wstring inner = FullPath(item);
  if (SamePathIgnoringCase(outer, inner)) return true;
  return inner.size() > outer.size() && inner[outer.size()] == L'\\' &&
         SamePathIgnoringCase(outer, std::wstring_view(inner).substr(0, outer.size()));
}

std::wstring NameOf(const std::wstring& path) {
  std::wstring trimmed = path;
  while (!trimmed.empty() && (trimmed.back() == L'\\' || trimmed.back() == L'/')) trimmed.pop_back();
  const std::size_t separator = trimmed.find_last_of(L"\\/");
  return separator == std::wstring::npos ? trimmed : trimmed.substr(separator + 1);
}

// The item a row names, by its exact name. Under Wine a name finds another
// of another case when its own is gone (Mix.jpg beside mix.JPG), and the
// shell would act on that one; on Windows a name renamed in case alone
// since the search counts as gone too, which loses nothing.
std::optional<DiskItem> SourceAt(const std::wstring& path) {
  WIN32_FIND_DATAW entry;
  HANDLE found = FindFirstFileW(path.c_str(), &entry);
  if (found == INVALID_HANDLE_VALUE) return std::nullopt;
  FindClose(found);
  if (NameOf(path) != entry.cFileName) return std::nullopt;
  return DiskItem{(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                  (static_cast<ULONGLONG>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow};
}

// A target of "D:\\" (a drive root with the added backslash) names D:\.
std::wstring Joined(std::wstring folder, const std::wstring& name) {
  while (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) folder.pop_back();
  return folder + L'\\' + name;
}

std::wstring WideName(const std::u16string& name) { return std::wstring(name.begin(), name.end()); }

// pFrom and pTo are lists: each path ends in a zero, the list in another.
int CallShell(const FileOperationRequest& request, const std::wstring& from, const std::wstring& to,
              std::uint32_t flags) {
  const std::wstring from_list = from + L'\0';
  const std::wstring to_list = to + L'\0';
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = reinterpret_cast<HWND>(request.owner);
  operation.wFunc = static_cast<UINT>(request.operation);
  operation.pFrom = from_list.c_str();
  operation.pTo = to_list.c_str();
  operation.fFlags = static_cast<FILEOP_FLAGS>(flags);
  const int result = reinterpret_cast<ShFileOperationW>(request.shell_entry)(&operation);
  return operation.fAnyOperationsAborted ? ERROR_CANCELLED : result;
}

// Why the shell must not be handed the item: it would act on something
// outside the item's own tree. Nothing for a plain file or a folder whose
// tree holds no link that the operation would follow.
std::optional<Failure> LinkRefusal(const std::wstring& source, bool is_folder, bool copy) {
  if (!copy && IsLink(source)) return Failure::kIsLink;
  if (!is_folder) return std::nullopt;
  switch (LinksInTree(source, !copy)) {
    case TreeLinks::kNone: return std::nullopt;
    case TreeLinks::kUnreadable: return Failure::kTreeUnreadable;
    case TreeLinks::kFolderLink:
    case TreeLinks::kFileLink: return Failure::kHoldsLink;
  }
  return std::nullopt;
}

Outcome Delete(const FileOperationRequest& request, const std::wstring& source) {
  const std::optional<DiskItem> item = SourceAt(source);
  if (!item) return {.done = true};
  if (const auto refusal = LinkRefusal(source, item->is_folder, false)) return Failed(*refusal);
  const auto identity = IdentityOf(source);
  CallShell(request, source, L"", request.flags);
  return StillThere(source, identity) ? Failed(Failure::kStillThere) : Outcome{.done = true};
}

// Whether the item at `path` is what `before` was: a copy of the same kind,
// and for a file of the same size.
bool Arrived(const std::wstring& path, const DiskItem& before) {
  const std::optional<DiskItem> after = ItemAt(path);
  return after && after->is_folder == before.is_folder && (before.is_folder || after->size == before.size);
}

// A new empty folder of this process's beside the items of `folder`.
std::wstring NewStagingFolder(const std::wstring& folder) {
  static LONG made = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::wstring staging = Joined(folder, L".vorlix-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                                    std::to_wstring(InterlockedIncrement(&made)));
    if (CreateDirectoryW(staging.c_str(), nullptr)) return staging;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return {};
  }
  return {};
}

// A file just made is often held open for a moment by a scanner or an
// indexer; a few short retries ride that out. The last try's error is
// left for the caller.
bool RenameWithoutReplacing(const std::wstring& from, const std::wstring& to, DWORD flags) {
  for (int attempt = 0;; ++attempt) {
    if (MoveFileExW(from.c_str(), to.c_str(), flags)) return true;
    const DWORD error = GetLastError();
    if (attempt == 4 || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) return false;
    Sleep(20);
  }
}

// Renames the staged item to its own name in the folder, or to the first
// "name (n)" from 2 up that is free. The rename never replaces anything, so
// a name that another program takes meanwhile is passed over, not
// overwritten. Gives the name it took; empty when none.
std::wstring PlaceUnderFreeName(const std::wstring& staged, const std::wstring& folder, const std::wstring& name,
                                bool is_folder) {
  const std::u16string name16(name.begin(), name.end());
  for (int number = 1; number <= kLastNumber; ++number) {
    const std::wstring candidate =
        Joined(folder, number == 1 ? name : WideName(NumberedName(name16, number, is_folder)));
    if (RenameWithoutReplacing(staged, candidate, 0)) return candidate;
    const DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return {};
  }
  return {};
}

// With FOF_RENAMEONCOLLISION: the shell copies or moves the item into a
// folder of its own beside the target's items, and from there it is renamed
// into place. A moved item that finds no place goes back where it was; if
// even that fails it stays in the staging folder, which is then kept and
// named as where the item is.
Outcome TransferUnderFreeName(const FileOperationRequest& request, const std::wstring& source, const DiskItem& before,
                              const std::optional<BY_HANDLE_FILE_INFORMATION>& identity, const std::wstring& folder) {
  const std::wstring staging = NewStagingFolder(folder);
  if (staging.empty()) return Failed(Failure::kShellFailed);
  const std::wstring name = NameOf(source);
  const std::wstring staged = Joined(staging, name);
  const bool shell_done = CallShell(request, source, staging, request.flags) == 0;
  const bool arrived = shell_done && Arrived(staged, before);
  const std::wstring placed = arrived ? PlaceUnderFreeName(staged, folder, name, before.is_folder) : std::wstring();
  if (placed.empty() && ItemAt(staged)) {
    if (request.operation == FileOperation::kMove) {
      RenameWithoutReplacing(staged, source, MOVEFILE_COPY_ALLOWED);
    } else {
      const FileOperationRequest discard{.shell_entry = request.shell_entry, .operation = FileOperation::kDelete};
      CallShell(discard, staged, L"", FOF_SILENT | FOF_NOCONFIRMATION);
    }
  }
  RemoveDirectoryW(staging.c_str());
  if (placed.empty() && request.operation == FileOperation::kMove && ItemAt(staged)) {
    return {false, Narrow(staged), Failure::kLeftInStaging};
  }
  if (placed.empty()) {
    return Failed(!shell_done ? Failure::kShellFailed : !arrived ? Failure::kNotArrived : Failure::kNoPlace);
  }
  if (request.operation == FileOperation::kMove && StillThere(source, identity)) return SourceStayed(placed);
  return Landed(placed);
}

constexpr std::uint32_t kQuietly = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;

void Discard(const FileOperationRequest& request, const std::wstring& item) {
  const FileOperationRequest discard{.shell_entry = request.shell_entry, .operation = FileOperation::kDelete};
  CallShell(discard, item, L"", kQuietly);
}

// A copy that failed for want of room says so: the shell's own answer where
// it gives one, else the room left, looked at once the cut-short copy is
// gone.
Failure CopyFailure(int shell_result, const std::wstring& source, const DiskItem& item, const std::wstring& folder) {
  if (shell_result == ERROR_DISK_FULL || shell_result == ERROR_HANDLE_DISK_FULL) return Failure::kTargetFull;
  ULARGE_INTEGER free_bytes;
  const std::uint64_t needed = item.is_folder ? ItemBytes(source) : item.size;
  if (GetDiskFreeSpaceExW(Joined(folder, L"").c_str(), &free_bytes, nullptr, nullptr) && free_bytes.QuadPart < needed) {
    return Failure::kTargetFull;
  }
  return shell_result != 0 ? Failure::kShellFailed : Failure::kNotArrived;
}

// Brings the item into the staging folder: a move by a rename where source
// and target share a volume, else (and for a copy) by the shell's copy,
// hashed on a thread beside it, then read back and compared. Gives why not, or nothing with `copied` set when
// the bytes were copied (and `checked` filled).
std::optional<Failure> StageChecked(const FileOperationRequest& request, const std::wstring& source,
                                    const DiskItem& before, const std::wstring& staging, const std::wstring& folder,
                                    bool& copied, std::vector<CheckedFile>& checked) {
  const std::wstring staged = Joined(staging, NameOf(source));
  copied = true;
  if (request.operation == FileOperation::kMove) {
    if (RenameWithoutReplacing(source, staged, 0)) {
      copied = false;
      return std::nullopt;
    }
    if (GetLastError() != ERROR_NOT_SAME_DEVICE) return Failure::kShellFailed;
  }
  FileOperationRequest copy = request;
  copy.operation = FileOperation::kCopy;
  std::atomic<bool> stop_hashing = false;
  auto hashing = std::async(std::launch::async, [&] { return DigestSource(source, stop_hashing); });
  const int result = CallShell(copy, source, staging, request.flags);
  const bool arrived = result == 0 && Arrived(staged, before);
  stop_hashing = !arrived;
  const std::optional<std::vector<CheckedFile>> digests = hashing.get();
  if (!arrived) {
    if (ItemAt(staged)) Discard(request, staged);
    return CopyFailure(result, source, before, folder);
  }
  CopyCheck check = digests ? CompareCopy(source, staged, *digests) : CopyCheck{};
  if (check.result != CopyComparison::kSame) {
    Discard(request, staged);
    return check.result == CopyComparison::kDiffers ? Failure::kCopyDiffers : Failure::kCopyUnreadable;
  }
  checked = std::move(check.files);
  return std::nullopt;
}

// Puts the staged item in place: under a free name with the rename option,
// else by the shell's move into the target folder, which replaces or
// merges as the option asks; both are renames within the volume. Gives
// where it went; empty when it stayed in staging.
std::wstring PlaceStaged(const FileOperationRequest& request, const std::wstring& staged, const std::wstring& folder,
                         const DiskItem& before) {
  const std::wstring name = NameOf(staged);
  if ((request.flags & kRenameOnCollision) != 0) return PlaceUnderFreeName(staged, folder, name, before.is_folder);
  FileOperationRequest move = request;
  move.operation = FileOperation::kMove;
  const std::wstring destination = Joined(folder, name);
  if (CallShell(move, staged, folder, request.flags) != 0 || ItemAt(staged) || !Arrived(destination, before)) return {};
  return destination;
}

// With check_copy: nothing reaches the target folder unchecked, and a
// moved item's source goes only once its copy is in place.
Outcome CheckedTransfer(const FileOperationRequest& request, const std::wstring& source, const DiskItem& before,
                        const std::optional<BY_HANDLE_FILE_INFORMATION>& identity, const std::wstring& folder) {
  const std::wstring staging = NewStagingFolder(folder);
  if (staging.empty()) return Failed(Failure::kShellFailed);
  const std::wstring staged = Joined(staging, NameOf(source));
  bool copied = true;
  std::vector<CheckedFile> checked;
  const std::optional<Failure> not_staged = StageChecked(request, source, before, staging, folder, copied, checked);
  const std::wstring placed = not_staged ? std::wstring() : PlaceStaged(request, staged, folder, before);
  if (placed.empty() && ItemAt(staged)) {
    if (copied) Discard(request, staged);
    else RenameWithoutReplacing(staged, source, 0);
  }
  RemoveDirectoryW(staging.c_str());
  if (placed.empty() && ItemAt(staged)) return {false, Narrow(staged), Failure::kLeftInStaging};
  if (placed.empty()) return Failed(not_staged.value_or(Failure::kNoPlace));
  if (request.operation == FileOperation::kMove && copied) Discard(request, source);
  Outcome outcome = Landed(placed);
  if (request.operation == FileOperation::kMove && StillThere(source, identity)) outcome = SourceStayed(placed);
  outcome.checked = std::move(checked);
  return outcome;
}

Outcome Transfer(const FileOperationRequest& request, const std::wstring& source) {
  const std::optional<DiskItem> before = SourceAt(source);
  if (!before) return Failed(Failure::kSourceMissing);
  const std::wstring folder = Wide(request.target_folder);
  if (before->is_folder && IsInside(source, folder)) return Failed(Failure::kIntoItself);
  const bool move = request.operation == FileOperation::kMove;
  const bool rename = (request.flags & kRenameOnCollision) != 0;
  if (const auto refusal = LinkRefusal(source, before->is_folder, !move)) return Failed(*refusal);

  const std::wstring destination = Joined(folder, NameOf(source));
  if (SameItem(source, destination) && (move || !rename)) return Landed(destination);
  const auto identity = IdentityOf(source);
  if (request.check_copy) return CheckedTransfer(request, source, *before, identity, folder);
  if (rename) return TransferUnderFreeName(request, source, *before, identity, folder);
  if (CallShell(request, source, folder, request.flags) != 0) return Failed(Failure::kShellFailed);
  if (!Arrived(destination, *before)) return Failed(Failure::kNotArrived);
  if (move && StillThere(source, identity)) return SourceStayed(destination);
  return Landed(destination);
}

Outcome Run(const FileOperationRequest& request) {
  const std::wstring source = Wide(request.source);
  // Under Wine the shell deletes or moves the whole mapped folder when it is
  // handed "D:"; on Windows "D:" is the current folder of drive D:.
  if (IsWholeDrivePath(std::u16string_view(reinterpret_cast<const char16_t*>(source.data()), source.size()))) {
    return Failed(Failure::kWholeDrive);
  }
  return request.operation == FileOperation::kDelete ? Delete(request, source) : Transfer(request, source);
}

}  // namespace

bool RunFileOperation(const FileOperationRequest& request) {
  const Outcome outcome = Run(request);
  if (request.outcome != nullptr) *request.outcome = outcome;
  return outcome.done;
}

}  // namespace vorlix::platform
