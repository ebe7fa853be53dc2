#include "platform/copy_check.h"

#include <windows.h>

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "platform/sha256_hash_win32.h"
#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

// Large enough that the calls cost little beside the bytes, and a multiple
// of every sector size, as unbuffered reads need.
constexpr DWORD kBlockBytes = 1 << 20;

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

struct PagesFreer {
  void operator()(void* pages) const { VirtualFree(pages, 0, MEM_RELEASE); }
};
// Whole pages: aligned for any sector size.
using AlignedBlocks = std::unique_ptr<std::uint8_t, PagesFreer>;

AlignedBlocks NewBlocks(std::size_t count) {
  return AlignedBlocks(
      static_cast<std::uint8_t*>(VirtualAlloc(nullptr, count * kBlockBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)));
}

// Unbuffered reads are refused by some volumes (network shares among
// them); there the copy is read through the cache rather than not at all.
FileHandle OpenToRead(const std::wstring& path, bool past_cache) {
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_DELETE;
  const DWORD flags = FILE_FLAG_SEQUENTIAL_SCAN | (past_cache ? FILE_FLAG_NO_BUFFERING : 0);
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, flags, nullptr);
  if (file == INVALID_HANDLE_VALUE && past_cache) return OpenToRead(path, false);
  return FileHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

// Fills the block, short only at the end of the file; none on an error.
std::optional<DWORD> ReadBlock(HANDLE file, std::uint8_t* block) {
  DWORD filled = 0;
  while (filled < kBlockBytes) {
    DWORD read = 0;
    if (!ReadFile(file, block + filled, kBlockBytes - filled, &read, nullptr)) return std::nullopt;
    if (read == 0) break;
    filled += read;
  }
  return filled;
}

// The size and last write of an open file: what says it is still the file
// that was hashed.
std::optional<std::pair<std::uint64_t, std::uint64_t>> SizeAndLastWrite(HANDLE file) {
  BY_HANDLE_FILE_INFORMATION information;
  if (!GetFileInformationByHandle(file, &information)) return std::nullopt;
  return std::pair{(static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow,
                   (static_cast<std::uint64_t>(information.ftLastWriteTime.dwHighDateTime) << 32) |
                       information.ftLastWriteTime.dwLowDateTime};
}

bool DigestFile(const std::wstring& path, const std::atomic<bool>& stop, std::uint8_t* block, CheckedFile& digest) {
  const FileHandle file = OpenToRead(path, false);
  const auto facts = file ? SizeAndLastWrite(file.get()) : std::nullopt;
  if (!facts) return false;
  Sha256Hash hash;
  for (;;) {
    const std::optional<DWORD> read = ReadBlock(file.get(), block);
    if (!read || stop || !hash.Add(block, *read)) return false;
    if (*read < kBlockBytes) break;
  }
  const std::optional<Sha256> sha256 = hash.Finish();
  if (!sha256) return false;
  digest.size = facts->first;
  digest.last_write = facts->second;
  digest.sha256 = *sha256;
  return true;
}

// Reads both files block by block side by side and compares them. The
// source must still be what was hashed, so that the digest stands for the
// bytes that arrived.
CopyComparison CompareFile(const std::wstring& source, const std::wstring& copy, const CheckedFile& digest,
                           std::uint8_t* blocks) {
  const FileHandle from = OpenToRead(source, false);
  const FileHandle to = OpenToRead(copy, true);
  const auto from_facts = from ? SizeAndLastWrite(from.get()) : std::nullopt;
  const auto to_facts = to ? SizeAndLastWrite(to.get()) : std::nullopt;
  if (!from_facts || !to_facts) return CopyComparison::kUnreadable;
  if (from_facts->first != digest.size || from_facts->second != digest.last_write) return CopyComparison::kUnreadable;
  if (to_facts->first != from_facts->first) return CopyComparison::kDiffers;
  std::uint8_t* const source_block = blocks;
  std::uint8_t* const copy_block = blocks + kBlockBytes;
  for (;;) {
    const std::optional<DWORD> source_read = ReadBlock(from.get(), source_block);
    const std::optional<DWORD> copy_read = ReadBlock(to.get(), copy_block);
    if (!source_read || !copy_read) return CopyComparison::kUnreadable;
    if (*source_read != *copy_read || std::memcmp(source_block, copy_block, *copy_read) != 0) {
      return CopyComparison::kDiffers;
    }
    if (*copy_read < kBlockBytes) return CopyComparison::kSame;
  }
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Each file below `relative` in the folder, by its path below the folder,
// until `visit` says stop. False when a folder could not be listed or a
// link to a folder (which a copy does not follow) was met: nothing can be
// promised for what was not seen.
using FileVisit = std::function<bool(const std::wstring& relative)>;
bool WalkFiles(const std::wstring& folder, const std::wstring& relative, const FileVisit& visit) {
  const std::wstring prefix = relative.empty() ? relative : relative + L'\\';
  WIN32_FIND_DATAW entry;
  HANDLE listing = FindFirstFileExW((folder + L'\\' + prefix + L'*').c_str(), FindExInfoBasic, &entry,
                                    FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (listing == INVALID_HANDLE_VALUE) return false;
  bool going = true;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    const bool is_folder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (is_folder && (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) going = false;
    else going = is_folder ? WalkFiles(folder, prefix + name, visit) : visit(prefix + name);
  } while (going && FindNextFileW(listing, &entry));
  const bool ended = going && GetLastError() == ERROR_NO_MORE_FILES;
  FindClose(listing);
  return ended;
}

std::uint64_t BytesBelow(const std::wstring& folder) {
  std::uint64_t bytes = 0;
  WalkFiles(folder, L"", [&](const std::wstring& relative) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExW((folder + L'\\' + relative).c_str(), GetFileExInfoStandard, &data)) {
      bytes += (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
    return true;
  });
  return bytes;
}

}  // namespace

std::string HexOf(const Sha256& digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (const std::uint8_t byte : digest) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0xF];
  }
  return hex;
}

std::optional<std::vector<CheckedFile>> DigestSource(const std::wstring& source, const std::atomic<bool>& stop) {
  const AlignedBlocks block = NewBlocks(1);
  if (!block) return std::nullopt;
  std::vector<CheckedFile> digests;
  if (!IsFolder(source)) {
    if (!DigestFile(source, stop, block.get(), digests.emplace_back())) return std::nullopt;
    return digests;
  }
  const bool whole = WalkFiles(source, L"", [&](const std::wstring& relative) {
    CheckedFile& digest = digests.emplace_back(CheckedFile{.relative = Narrow(relative)});
    return DigestFile(source + L'\\' + relative, stop, block.get(), digest);
  });
  if (!whole) return std::nullopt;
  return digests;
}

CopyCheck CompareCopy(const std::wstring& source, const std::wstring& copy, const std::vector<CheckedFile>& digests) {
  const AlignedBlocks blocks = NewBlocks(2);
  if (!blocks) return {};
  if (!IsFolder(source)) {
    if (digests.size() != 1) return {};
    return {CompareFile(source, copy, digests.front(), blocks.get()), digests};
  }
  if (!IsFolder(copy)) return {CopyComparison::kDiffers, {}};
  std::map<std::string, const CheckedFile*> by_path;
  for (const CheckedFile& digest : digests) by_path[digest.relative] = &digest;
  CopyCheck check{CopyComparison::kSame, {}};
  const bool whole = WalkFiles(source, L"", [&](const std::wstring& relative) {
    const auto digest = by_path.find(Narrow(relative));
    check.result = digest == by_path.end()
                       ? CopyComparison::kUnreadable
                       : CompareFile(source + L'\\' + relative, copy + L'\\' + relative, *digest->second, blocks.get());
    if (check.result == CopyComparison::kSame) check.files.push_back(*digest->second);
    return check.result == CopyComparison::kSame;
  });
  if (!whole && check.result == CopyComparison::kSame) check.result = CopyComparison::kUnreadable;
  if (check.result != CopyComparison::kSame) check.files.clear();
  return check;
}

std::uint64_t ItemBytes(const std::wstring& item) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(item.c_str(), GetFileExInfoStandard, &data)) return 0;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return BytesBelow(item);
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

}  // namespace vorlix::platform
