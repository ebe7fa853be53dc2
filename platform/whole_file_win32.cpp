#include "platform/whole_file.h"

#include <windows.h>

#include <cwchar>
#include <limits>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

// Writes all bytes, in pieces that a DWORD can count.
bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), piece, &written, nullptr) || written == 0) return false;
    bytes = bytes.subspan(written);
  }
  return true;
}

bool ReadAll(HANDLE file, std::vector<std::uint8_t>& bytes) {
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled, 1u << 30));
    DWORD read = 0;
    if (!ReadFile(file, bytes.data() + filled, piece, &read, nullptr)) return false;
    if (read == 0) break;  // the file got shorter meanwhile
    filled += read;
  }
  bytes.resize(filled);
  return true;
}

// Creates a file of a name that nobody uses, beside the target, so that
// moving it into the target's place stays on the same volume.
HANDLE CreateFileBeside(const std::wstring& target, std::wstring& created) {
  static LONG counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    wchar_t suffix[40];
    auto serial = static_cast<unsigned long>(InterlockedIncrement(&counter));
    swprintf(suffix, 40, L".%lx-%lx.new", GetCurrentProcessId(), serial);
    created = target + suffix;
    HANDLE file = CreateFileW(created.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

// A file that is open anywhere cannot be replaced. Scanners and indexers
// hold files for moments, so a few short retries ride those out.
bool MoveIntoPlace(const std::wstring& from, const std::wstring& to) {
  for (int attempt = 0;; ++attempt) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DWORD error = GetLastError();
    if (attempt == 4 || (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)) return false;
    Sleep(20);
  }
}

}  // namespace

FileContent ReadWholeFile(std::string_view path, ReadSharing sharing) {
  DWORD share = FILE_SHARE_READ;
  if (sharing == ReadSharing::kEveryone) share |= FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? FileContent::Status::kMissing : FileContent::Status::kFailed, {}};
  }
  FileContent content;
  LARGE_INTEGER size;
  // A byte set counts its length in 31 bits at most.
  if (GetFileSizeEx(file, &size) && size.QuadPart <= std::numeric_limits<std::int32_t>::max()) {
    content.bytes.resize(static_cast<std::size_t>(size.QuadPart));
    if (ReadAll(file, content.bytes)) content.status = FileContent::Status::kRead;
  }
  CloseHandle(file);
  if (content.status != FileContent::Status::kRead) content.bytes.clear();
  return content;
}

bool WriteWholeFile(std::string_view path, std::span<const std::span<const std::uint8_t>> parts) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = true;
  for (std::span<const std::uint8_t> part : parts) {
    if (!WriteAll(file, part)) {
      written = false;
      break;
    }
  }
  return CloseHandle(file) && written;
}

bool ReplaceWholeFile(std::string_view path, std::span<const std::uint8_t> content, Durability durability) {
  std::wstring target = Wide(path);
  std::wstring beside;
  HANDLE file = CreateFileBeside(target, beside);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool written = WriteAll(file, content) && (durability == Durability::kCache || FlushFileBuffers(file));
  written = CloseHandle(file) && written;
  DWORD kept = GetFileAttributesW(target.c_str());
  if (written && kept != INVALID_FILE_ATTRIBUTES && (kept & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
    SetFileAttributesW(beside.c_str(), kept & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  }
  bool replaced = written && MoveIntoPlace(beside, target);
  if (!replaced) DeleteFileW(beside.c_str());
  return replaced;
}

}  // namespace vorlix::platform
