#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorlix::platform {

using Sha256 = std::array<std::uint8_t, 32>;

// The SHA-256 in the lower-case hexadecimal that sha256sum and certutil
// print.
std::string HexOf(const Sha256& digest);

// A copy checked in two steps. While the shell copies, each file of the
// source is hashed (SHA-256 through the system's cryptography, CNG) on a
// thread of its own, so that the hashing costs little beyond the copy.
// Then the copy is read back past the system's cache where the volume
// allows it (unbuffered, in aligned blocks), so the check sees what the
// volume holds rather than what the writer left in memory, and compared
// byte for byte with its source. Equal bytes have the source's digest; a
// source that changed since it was hashed (size or last write) gives no
// promise. Memory stays the same whatever the files' sizes.
enum class CopyComparison { kSame, kDiffers, kUnreadable };

struct CheckedFile {
  std::string relative;  // GBK: the file's path below the item; empty for a file itself
  std::uint64_t size = 0;
  std::uint64_t last_write = 0;  // the source's, when it was hashed (a FILETIME)
  Sha256 sha256{};
};

struct CopyCheck {
  CopyComparison result = CopyComparison::kUnreadable;
  std::vector<CheckedFile> files;  // each file compared, when all are the same
};

// The digest of a file, or of each file in a folder's tree; none when some
// file or folder could not be read, a link to a folder was met, or `stop`
// was set meanwhile.
std::optional<std::vector<CheckedFile>> DigestSource(const std::wstring& source, const std::atomic<bool>& stop);

// The copy against its source and the source's digests: every file of the
// source must be in the copy, the same.
CopyCheck CompareCopy(const std::wstring& source, const std::wstring& copy, const std::vector<CheckedFile>& digests);

// The bytes of a file, or of every file in a folder's tree (links to
// folders are not followed); 0 when there is nothing.
std::uint64_t ItemBytes(const std::wstring& item);

}  // namespace vorlix::platform
