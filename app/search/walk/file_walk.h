#pragma once

#include <cstdint>
#include <string_view>

#include "app/search/walk/folder_lister.h"
#include "app/search/walk/kept_listings.h"
#include "app/search/names/name_matcher.h"

namespace vorlix::app {

// Where the rows of a file walk go, and who decides that it stops.
class FileWalkSink {
 public:
  // One row: the folder as walked (ending with the separator), the file's
  // lowered name and its name as on disk (of the same size), and the index
  // of the keyword it matched.
  virtual void OnRow(std::string_view folder, std::string_view name, std::string_view name_on_disk,
                     std::uint32_t keyword) = 0;
  // Polled at every file, every folder and every row, and every few
  // milliseconds while waiting for a listing; true ends the walk at once.
  // Keep it cheap: it is where a window processes its events on a budget.
  virtual bool ShouldStop() = 0;
  // The root could not be listed whole (it does not exist, is no folder,
  // access is denied, or reading it failed on the way); the walk gives the
  // rows of what was read of it, if anything.
  virtual void OnRootNotListed(std::string_view) {}
  // With FileWalkOptions::every_file, every file the walk met, in the
  // order of the rows: the folder as walked and the name as on disk.
  virtual void OnFile(std::string_view /*folder*/, std::string_view /*name_on_disk*/) {}
  // A folder a repeat walk gave whole from kept listings instead: its
  // files are those of the kept entries, which their keeper reads.
  virtual void OnKeptFolder(std::string_view /*folder*/, const KeptEntries& /*kept*/) {}
  // A folder below the root could not be listed whole (access denied, gone
  // since its parent was listed, reading it failed on the way), given as
  // its path as walked without the closing separator; the walk goes on
  // with what was read of it.
  virtual void OnFolderNotListed(std::string_view) {}

 protected:
  ~FileWalkSink() = default;
};

struct FileWalkOptions {
  // Threads that list folders ahead of the rows; 0 lists on the calling
  // thread. The rows and their order are the same either way.
  unsigned listing_threads = 0;
  // The folder index to list through; none lists every folder.
  KeptListings* index = nullptr;
  // Tell the sink every file met (OnFile, OnKeptFolder), not only rows.
  bool every_file = false;
};

// Walks the folders below `root` breadth first: the root (with the
// separator added when it does not end with one), then its subfolders in
// listing order, then theirs, level by level. Each folder is listed once;
// its subfolders join the queue before its files are compared, in listing
// order, and a file gives one row per keyword it matches, in keyword order.
// Hidden and system entries count; a folder that cannot be listed is
// skipped and told to the sink, as is one whose listing failed on the way,
// after what was read of it. A link to a folder that leads back to one of
// its own ancestors is not followed; links that lead elsewhere are. False
// when stopped. With an index, a walk that was not stopped tells it the
// tree was walked.
bool WalkFiles(std::string_view root, const NameMatcher& matcher, const FolderLister& lister, FileWalkSink& sink,
               const FileWalkOptions& options = {});

}  // namespace vorlix::app
