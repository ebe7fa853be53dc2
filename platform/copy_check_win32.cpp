#include "platform/copy_check.h"

#include <windows.h>
#include <bcrypt.h>

#include <cstring>
#include <memory>
#include <optional>

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

// SHA-256 through CNG. The hash object's memory is the caller's, as Vista
// requires; the provider is opened once per process.
class Sha256Hash {
 public:
  Sha256Hash() {
    static const BCRYPT_ALG_HANDLE provider = OpenProvider();
    DWORD object_size = 0;
    ULONG written = 0;
    if (provider == nullptr ||
        BCryptGetProperty(provider, BCRYPT_OBJECT_LENGTH, reinterpret_cast<PUCHAR>(&object_size), sizeof object_size,
                          &written, 0) != 0) {
      return;
    }
    object_.resize(object_size);
    if (BCryptCreateHash(provider, &hash_, object_.data(), object_size, nullptr, 0, 0) != 0) hash_ = nullptr;
  }
  ~Sha256Hash() {
    if (hash_ != nullptr) BCryptDestroyHash(hash_);
  }
  Sha256Hash(const Sha256Hash&) = delete;
  Sha256Hash& operator=(const Sha256Hash&) = delete;

  bool Add(const std::uint8_t* bytes, DWORD count) {
    return hash_ != nullptr && BCryptHashData(hash_, const_cast<PUCHAR>(bytes), count, 0) == 0;
  }
  std::optional<Sha256> Finish() {
    Sha256 digest;
    if (hash_ == nullptr || BCryptFinishHash(hash_, digest.data(), digest.size(), 0) != 0) return std::nullopt;
    return digest;
  }

 private:
  static BCRYPT_ALG_HANDLE OpenProvider() {
    BCRYPT_ALG_HANDLE provider = nullptr;
    return BCryptOpenAlgorithmProvider(&provider, BCRYPT_SHA256_ALGORITHM, nullptr, 0) == 0 ? provider : nullptr;
  }

  std::vector<UCHAR> object_;
  BCRYPT_HASH_HANDLE hash_ = nullptr;
};

std::optional<std::uint64_t> SizeOf(HANDLE file) {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size)) return std::nullopt;
  return static_cast<std::uint64_t>(size.QuadPart);
}

// Reads both files block by block side by side: the copy is hashed as it
// is read, so each byte is read once from each file.
CopyComparison CompareFile(const std::wstring& source, const std::wstring& copy, std::uint8_t* blocks,
                           CheckedFile& checked) {
  const FileHandle from = OpenToRead(source, false);
  const FileHandle to = OpenToRead(copy, true);
  if (!from || !to) return CopyComparison::kUnreadable;
  const std::optional<std::uint64_t> from_size = SizeOf(from.get());
  const std::optional<std::uint64_t> to_size = SizeOf(to.get());
  if (!from_size || !to_size) return CopyComparison::kUnreadable;
  if (*from_size != *to_size) return CopyComparison::kDiffers;
  Sha256Hash hash;
  std::uint8_t* const source_block = blocks;
  std::uint8_t* const copy_block = blocks + kBlockBytes;
  for (;;) {
    const std::optional<DWORD> source_read = ReadBlock(from.get(), source_block);
    const std::optional<DWORD> copy_read = ReadBlock(to.get(), copy_block);
    if (!source_read || !copy_read) return CopyComparison::kUnreadable;
    if (*source_read != *copy_read || std::memcmp(source_block, copy_block, *copy_read) != 0) {
      return CopyComparison::kDiffers;
    }
    if (!hash.Add(copy_block, *copy_read)) return CopyComparison::kUnreadable;
    if (*copy_read < kBlockBytes) break;
  }
  const std::optional<Sha256> digest = hash.Finish();
  if (!digest) return CopyComparison::kUnreadable;
  checked.size = *from_size;
  checked.sha256 = *digest;
  return CopyComparison::kSame;
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Every file below `relative` in the source, compared with its place in
// the copy. A folder that cannot be listed, or a link to a folder (which
// the copy does not follow), makes the whole unreadable: nothing can be
// promised for what was not seen.
CopyComparison CompareTree(const std::wstring& source, const std::wstring& copy, const std::wstring& relative,
                           std::uint8_t* blocks, std::vector<CheckedFile>& files) {
  const std::wstring prefix = relative.empty() ? relative : relative + L'\\';
  WIN32_FIND_DATAW entry;
  HANDLE listing = FindFirstFileExW((source + L'\\' + prefix + L'*').c_str(), FindExInfoBasic, &entry,
                                    FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (listing == INVALID_HANDLE_VALUE) return CopyComparison::kUnreadable;
  CopyComparison result = CopyComparison::kSame;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring below = prefix + name;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      result = (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? CopyComparison::kUnreadable
                                                                      : CompareTree(source, copy, below, blocks, files);
    } else {
      CheckedFile& checked = files.emplace_back(CheckedFile{.relative = Narrow(below)});
      result = CompareFile(source + L'\\' + below, copy + L'\\' + below, blocks, checked);
    }
  } while (result == CopyComparison::kSame && FindNextFileW(listing, &entry));
  const bool ended = result != CopyComparison::kSame || GetLastError() == ERROR_NO_MORE_FILES;
  FindClose(listing);
  return ended ? result : CopyComparison::kUnreadable;
}

std::uint64_t SizeOf(const WIN32_FIND_DATAW& entry) {
  return (static_cast<std::uint64_t>(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
}

std::uint64_t BytesBelow(const std::wstring& folder) {
  std::uint64_t bytes = 0;
  WIN32_FIND_DATAW entry;
  HANDLE listing = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr,
                                    FIND_FIRST_EX_LARGE_FETCH);
  if (listing == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      bytes += SizeOf(entry);
    } else if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      bytes += BytesBelow(folder + L'\\' + name);
    }
  } while (FindNextFileW(listing, &entry));
  FindClose(listing);
  return bytes;
}

}  // namespace

std::uint64_t ItemBytes(const std::wstring& item) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(item.c_str(), GetFileExInfoStandard, &data)) return 0;
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return BytesBelow(item);
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string HexOf(const Sha256& digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (const std::uint8_t byte : digest) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0xF];
  }
  return hex;
}

CopyCheck CompareCopy(const std::wstring& source, const std::wstring& copy) {
  const AlignedBlocks blocks = NewBlocks(2);
  if (!blocks) return {};
  CopyCheck check;
  if (IsFolder(source)) {
    check.result = IsFolder(copy) ? CompareTree(source, copy, L"", blocks.get(), check.files) : CopyComparison::kDiffers;
  } else {
    check.result = CompareFile(source, copy, blocks.get(), check.files.emplace_back());
  }
  if (check.result != CopyComparison::kSame) check.files.clear();
  return check;
}

}  // namespace vorlix::platform
