#include "platform/whole_file.h"

#include <windows.h>

#include <cstdio>
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
// moving it into the target's place stays on the same volume. `created`
// stays empty when none could be made.
HANDLE CreateFileBeside(const std::string& target, std::string& created) {
  static LONG counter = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[40];
    auto serial = static_cast<unsigned long>(InterlockedIncrement(&counter));
    snprintf(suffix, 40, ".%lx-%lx.new", GetCurrentProcessId(), serial);
    HANDLE file = CreateFileW(Wide(target + suffix).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) created = target + suffix;
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

HANDLE HandleOf(std::intptr_t file) { return reinterpret_cast<HANDLE>(file); }

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
  FileReplacement replacement(path);
  replacement.Write(content);
  return replacement.Commit(durability);
}

FileReplacement::FileReplacement(std::string_view path)
    : target_(path), file_(reinterpret_cast<std::intptr_t>(CreateFileBeside(target_, beside_))) {}

FileReplacement::~FileReplacement() {
  if (file_ != -1) CloseHandle(HandleOf(file_));
  if (!beside_.empty()) DeleteFileW(Wide(beside_).c_str());
}

bool FileReplacement::Write(std::span<const std::uint8_t> piece) {
  if (file_ != -1 && !WriteAll(HandleOf(file_), piece)) {
    CloseHandle(HandleOf(file_));
    file_ = -1;
  }
  return file_ != -1;
}

bool FileReplacement::Commit(Durability durability) {
  if (file_ == -1) return false;
  bool written = durability == Durability::kCache || FlushFileBuffers(HandleOf(file_));
  written = CloseHandle(HandleOf(file_)) && written;
  file_ = -1;
  const std::wstring target = Wide(target_);
  const std::wstring beside = Wide(beside_);
  DWORD kept = GetFileAttributesW(target.c_str());
  if (written && kept != INVALID_FILE_ATTRIBUTES && (kept & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
    SetFileAttributesW(beside.c_str(), kept & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  }
  if (!written || !MoveIntoPlace(beside, target)) return false;
  beside_.clear();
  return true;
}

}  // namespace vorlix::platform
