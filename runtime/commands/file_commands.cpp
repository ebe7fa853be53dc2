#include "runtime/commands/file_commands.h"

#include <type_traits>
#include <vector>

#include "platform/directory_listing.h"
#include "platform/whole_file.h"
#include "runtime/commands/find_file_filter.h"
#include "runtime/core/program/program_location.h"

namespace vorlix::commands {

static_assert(std::is_same_v<FindHandle, platform::FindHandle>);

core::Text GetRunDirectory() { return core::ThisProgram().directory; }

core::Text FindFile(std::string_view pattern, std::optional<std::int32_t> filter, FindHandle& handle) {
  platform::DirectoryEntry entry;
  bool found = false;
  if (!pattern.empty()) {
    if (handle != 0) platform::CloseFind(handle);
    handle = platform::FindFirstEntry(pattern, entry);
    found = handle != 0;
  } else if (handle != 0) {
    found = platform::FindNextEntry(handle, entry);
  }
  while (found && !FindFilePasses(entry.attributes, filter)) found = platform::FindNextEntry(handle, entry);
  if (found) return entry.name;
  if (handle != 0) platform::CloseFind(handle);
  handle = 0;
  return {};
}

void FindFileClose(FindHandle handle) {
  if (handle != 0) platform::CloseFind(handle);
}

bool FileExists(std::string_view path) { return !path.empty() && platform::AnyEntryMatches(path); }

core::ByteSet ReadFile(std::string_view path) {
  if (path.empty()) return {};
  return platform::ReadWholeFile(path, platform::ReadSharing::kReadersOnly).bytes;
}

bool WriteFile(std::string_view path, std::initializer_list<ByteSetView> data) {
  if (path.empty()) return false;
  std::vector<std::span<const std::uint8_t>> parts(data.begin(), data.end());
  return platform::WriteWholeFile(path, parts);
}

bool ReplaceFileContent(std::string_view path, ByteSetView data) {
  return !path.empty() && platform::ReplaceWholeFile(path, data);
}

}  // namespace vorlix::commands
