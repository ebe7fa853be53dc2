#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/search/names/name_text.h"
#include "platform/folder_listing.h"
#include "platform/folder_stamps.h"

namespace vorlix::app {

// Where the search gets its folder listings: the system's, or a test's
// own. Shared by the threads of one walk, so it keeps no state of a listing.
class FolderLister {
 public:
  virtual ~FolderLister() = default;

  virtual char separator() const = 0;
  virtual NameEncoding encoding() const = 0;
  // Who lists (see platform/listing_identity.h): what one identity listed
  // may hold folders another may not list, so a folder index is used only
  // by the identity that made it.
  virtual std::string Identity() const = 0;
  // Visits the entries of `folder` (a path ending with the separator),
  // "." and ".." left out; false when it cannot be listed whole (see
  // platform::ListFolder).
  virtual bool List(std::string_view folder, platform::FolderEntryVisitor& visitor) const = 0;
  // Which folder `path` leads to, links followed; nothing when unknown.
  virtual std::optional<platform::FolderIdentity> Identify(std::string_view path) const = 0;

  // What the folder index asks (see platform/folder_stamps.h): a folder's
  // own stamp, whether its volume keeps stamps that tell every change,
  // whether a path is itself a link, and the stamps' clock.
  virtual std::optional<platform::FolderStamp> Stamp(std::string_view folder) const = 0;
  virtual bool KeepsStamps(std::string_view folder) const = 0;
  virtual bool IsLink(std::string_view path) const = 0;
  virtual std::uint64_t Now() const = 0;
  virtual std::uint64_t TicksPerSecond() const = 0;
};

// `path` as a listing takes it: ending with the lister's separator.
inline std::string ListedAs(std::string_view path, const FolderLister& lister) {
  std::string listed(path);
  if (!EndsWithSeparator(listed, lister.separator(), lister.encoding())) listed += lister.separator();
  return listed;
}

// The system's listing: '\' and GBK names on Windows, '/' and the file
// system's bytes (taken as UTF-8) elsewhere.
const FolderLister& SystemFolderLister();

}  // namespace vorlix::app
