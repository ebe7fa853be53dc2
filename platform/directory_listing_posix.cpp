// The native build's folder listing: the entries are read at once and
// handed out one by one. '\' is taken as a separator as on Windows, * and ?
// match without regard to ASCII case, and dot-files are hidden, as Wine
// shows them.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "platform/directory_listing.h"

namespace vorlix::platform {
namespace {

struct Listing {
  std::vector<DirectoryEntry> entries;
  std::size_t next = 0;
};

bool SameLetter(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern.front() == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (WildcardMatch(pattern.substr(1), name.substr(skip))) return true;
    }
    return false;
  }
  if (name.empty()) return false;
  if (pattern.front() != '?' && !SameLetter(pattern.front(), name.front())) return false;
  return WildcardMatch(pattern.substr(1), name.substr(1));
}

std::uint32_t AttributesOf(const std::string& path, const std::string& name) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return attributes::kArchive;
  std::uint32_t result = S_ISDIR(info.st_mode) ? attributes::kDirectory : attributes::kArchive;
  if (name.size() > 1 && name.front() == '.' && name != "..") result |= attributes::kHidden;
  if (!(info.st_mode & S_IWUSR)) result |= attributes::kReadOnly;
  return result;
}

std::vector<DirectoryEntry> ListMatches(std::string_view pattern) {
  std::string unix_pattern(pattern);
  std::replace(unix_pattern.begin(), unix_pattern.end(), '\\', '/');
  std::size_t slash = unix_pattern.rfind('/');
  std::string folder = slash == std::string::npos ? "." : unix_pattern.substr(0, slash);
  if (folder.empty()) folder = "/";
  std::string wanted = slash == std::string::npos ? unix_pattern : unix_pattern.substr(slash + 1);
  std::vector<DirectoryEntry> matches;
  DIR* dir = wanted.empty() ? nullptr : opendir(folder.c_str());
  if (!dir) return matches;
  while (dirent* item = readdir(dir)) {
    std::string name = item->d_name;
    if (WildcardMatch(wanted, name)) matches.push_back({name, AttributesOf(folder + "/" + name, name)});
  }
  closedir(dir);
  return matches;
}

}  // namespace

FindHandle FindFirstEntry(std::string_view pattern, DirectoryEntry& entry) {
  auto* listing = new Listing{ListMatches(pattern)};
  if (listing->entries.empty()) {
    delete listing;
    return 0;
  }
  entry = listing->entries[listing->next++];
  return reinterpret_cast<FindHandle>(listing);
}

bool FindNextEntry(FindHandle handle, DirectoryEntry& entry) {
  auto* listing = reinterpret_cast<Listing*>(handle);
  if (listing->next >= listing->entries.size()) return false;
  entry = listing->entries[listing->next++];
  return true;
}

void CloseFind(FindHandle handle) { delete reinterpret_cast<Listing*>(handle); }

bool AnyEntryMatches(std::string_view pattern) { return !ListMatches(pattern).empty(); }

}  // namespace vorlix::platform
