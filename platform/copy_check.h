#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vorlix::platform {

using Sha256 = std::array<std::uint8_t, 32>;

// The SHA-256 in the lower-case hexadecimal that sha256sum and certutil
// print.
std::string HexOf(const Sha256& digest);

// A copy read back and compared with its source, byte for byte. The copy
// is read past the system's cache where the volume allows it (unbuffered,
// in aligned blocks), so the check sees what the volume holds, not what the
// writer left in memory; its SHA-256 is computed on the way through the
// system's cryptography (CNG), for the record. Memory stays the same
// whatever the file's size.
enum class CopyComparison { kSame, kDiffers, kUnreadable };

struct CheckedFile {
  std::string relative;  // GBK: the file's path below the compared item; empty for a file itself
  std::uint64_t size = 0;
  Sha256 sha256{};
};

struct CopyCheck {
  CopyComparison result = CopyComparison::kUnreadable;
  std::vector<CheckedFile> files;  // each file compared, when all are the same
};

// A file against its copy, or a folder's tree file by file against the
// copy's tree (every file of the source must be in the copy, the same).
CopyCheck CompareCopy(const std::wstring& source, const std::wstring& copy);

// The bytes of a file, or of every file in a folder's tree (links to
// folders are not followed); 0 when there is nothing.
std::uint64_t ItemBytes(const std::wstring& item);

}  // namespace vorlix::platform
