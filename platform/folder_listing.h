#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorlix::platform {

// The search's folder listing: one pass over a folder gives its subfolders
// and its files together, hidden and system entries included, "." and ".."
// left out. Names are GBK on Windows (characters GBK lacks as GB18030
// four-byte sequences) and the file system's own bytes elsewhere.

#ifdef _WIN32
constexpr char kFolderSeparator = '\\';
#else
constexpr char kFolderSeparator = '/';
#endif

struct FolderEntry {
  std::string_view name;   // valid only during the visit
  bool is_folder = false;  // a folder, or a link that leads to one
  bool is_link = false;    // a symbolic link, junction or other reparse point
};

// Which folder a path leads to, after following links.
struct FolderIdentity {
  std::uint64_t volume = 0;
  std::uint64_t file = 0;
  bool operator==(const FolderIdentity&) const = default;
};

class FolderEntryVisitor {
 public:
  // False ends the listing early.
  virtual bool Visit(const FolderEntry& entry) = 0;

 protected:
  ~FolderEntryVisitor() = default;
};

// Lists `folder` (a path ending with kFolderSeparator) in the order the
// system gives. False when it cannot be listed whole: it cannot be opened,
// or reading it fails on the way (entries visited before stay visited, and
// the listing is cut short, not ended). True when it ended, or the visitor
// ended it early.
bool ListFolder(std::string_view folder, FolderEntryVisitor& visitor);

// The identity of the folder `path` leads to; nothing when it cannot be
// opened.
std::optional<FolderIdentity> IdentifyFolder(std::string_view path);

// Whether `path` names an existing folder (links followed).
bool IsFolder(std::string_view path);

}  // namespace vorlix::platform
