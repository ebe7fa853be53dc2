#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlix::platform {

// An open folder listing; 0 is none.
using FindHandle = std::intptr_t;

struct DirectoryEntry {
  std::string name;  // bare name, no folder part
  std::uint32_t attributes = 0;
};

// Attribute bits of a directory entry.
namespace attributes {
constexpr std::uint32_t kReadOnly = 0x01;
constexpr std::uint32_t kHidden = 0x02;
constexpr std::uint32_t kSystem = 0x04;
constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kArchive = 0x20;
}  // namespace attributes

// Starts listing the entries that match the pattern (a path whose last part
// may hold * and ?) and gives the first; 0 when nothing matches or the
// folder cannot be read.
FindHandle FindFirstEntry(std::string_view pattern, DirectoryEntry& entry);

// The next entry; false at the end of the listing or on an error.
bool FindNextEntry(FindHandle handle, DirectoryEntry& entry);

void CloseFind(FindHandle handle);

// True when at least one entry matches the pattern.
bool AnyEntryMatches(std::string_view pattern);

}  // namespace vorlix::platform
