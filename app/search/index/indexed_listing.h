#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/search/index/folder_index.h"
#include "app/search/walk/folder_lister.h"
#include "app/search/walk/kept_listings.h"
#include "app/search/index/stamps_read_ahead.h"

namespace vorlix::app {

// How long after a folder's stamp a listing must come for the stamp to
// tell a change made after it: clocks tick in steps, so a change in the
// same step as the stamp leaves it as it was. A folder listed sooner is
// listed again next time, as git treats racy index entries.
constexpr std::uint64_t kRacySeconds = 3;
// A record no search has used for this long is dropped.
constexpr std::uint32_t kUnusedDaysKept = 31;
// The index file stays within this size; the records used longest ago go first.
constexpr std::size_t kFolderIndexCapBytes = std::size_t{128} << 20;

// One search's use of the folder index, shared by its listing threads. A
// folder whose own stamp equals the one kept, and was not racy, gives its
// kept entries; any other is listed and kept anew. Folders reached through
// a link, holding a link themselves, below a root on a volume whose stamps
// do not tell every change, or on another volume than their root's (below
// a mount point) are listed every time and never kept, and so is a folder
// whose listing failed on the way. So the entries a walk sees, and
// therefore its rows, are always those of a listing.
//
// Nor does the index show a folder to anyone who may not list it: the
// index is used only by the identity that made it (FolderIndexFormat), and
// a folder's own right to be listed is part of its metadata, whose changes
// move its change time and so its stamp.
class IndexedListing final : public KeptListings {
 public:
  // `cap_bytes`: the most the index file may hold.
  IndexedListing(std::shared_ptr<const FolderIndex> previous, const FolderLister& lister,
                 std::size_t cap_bytes = kFolderIndexCapBytes);

  // Before a walk below `root` (ending with the separator) that lists
  // through the index: decides by the volume that holds the root itself
  // whether the stamps below it tell every change. Not while List runs.
  void BeginRoot(std::string_view root) override;

  // Before a walk below `root` (ending with the separator): reads the
  // stamps of the kept folders below it, on `threads` threads of their own,
  // for List to use (see StampsReadAhead). `should_stop` is polled every
  // few milliseconds; false when it said stop. Not while List runs.
  bool ReadStampsBelow(std::string_view root, unsigned threads, const std::function<bool()>& should_stop) override {
    return read_ahead_.ReadBelow(root, *previous_, lister_, threads, should_stop);
  }

  // Lists `folder` (ending with the separator), from the index when its
  // stamp allows, files with the keys of their names unless the folder
  // holds a link; false when it cannot be listed whole. Safe on several
  // threads.
  bool List(std::string_view folder, KeyedEntryVisitor& visitor) override;

  // The index this search began with.
  const FolderIndex& previous() const { return *previous_; }
  // The stamps read ahead, for a walk that reads them in chunks of its own.
  StampsReadAhead& stamps_ahead() { return read_ahead_; }
  // Whether kept folder `number` may be given as it was kept, its entries
  // being whole: its stamp read ahead equals the one kept, which was not
  // racy, on a volume that keeps stamps.
  bool UnchangedAhead(std::uint32_t number);
  // Kept folder `number` was given as it was kept, without List.
  void MarkReplayed(std::uint32_t number);

  // A walk below `folder` (ending with the separator) reached every folder
  // it could: folders the index kept below it that this search did not
  // meet are gone.
  void TreeWalked(std::string_view folder) override;

  // See WalkUnchangedTree.
  UnchangedTreeWalk WalkUnchanged(std::string_view root, const NameMatcher& matcher, const FolderLister& lister,
                                  FileWalkSink& sink, unsigned threads) override;

  // The index to keep after the search: every folder it listed or used, and
  // the previous index's other folders that are not known to be gone nor
  // unused for a month, the most recently used first within the cap.
  FolderIndex Result() const;
  // Whether that index differs from the previous one; cheap, so that a
  // search that changed nothing costs no new index.
  bool Changed() const;

  // How many folders came from the index and how many were listed.
  std::uint64_t replayed() const { return replayed_; }
  std::uint64_t listed() const { return listed_; }

 private:
  bool Trusted(const platform::FolderStamp& stamp) const {
    return root_volume_trusted_ && stamp.volume == root_volume_;
  }
  bool ListAndKeep(std::string_view folder, const platform::FolderStamp& stamp, std::uint64_t now,
                   KeyedEntryVisitor& visitor);
  bool IsRacy(const platform::FolderStamp& stamp, std::uint64_t listed_at) const;
  bool UnderWalkedTree(std::string_view folder) const;
  enum class Fate { kListedAnew, kUsed, kKept, kDropped };
  Fate FateOf(std::uint32_t number) const;

  const std::shared_ptr<const FolderIndex> previous_;
  const FolderLister& lister_;
  const std::uint32_t today_;
  const std::size_t cap_bytes_;
  std::unique_ptr<std::atomic<bool>[]> used_;  // per folder of the previous index
  StampsReadAhead read_ahead_;
  std::uint64_t root_volume_ = 0;  // the volume of the root walked now
  bool root_volume_trusted_ = false;
  std::atomic<std::uint64_t> replayed_ = 0;
  mutable std::mutex mutex_;  // guards what follows
  FolderIndex listed_now_;
  std::set<std::string, std::less<>> not_kept_;  // listed anew and no longer to be kept
  std::vector<std::string> walked_trees_;
  std::uint64_t listed_ = 0;
};

}  // namespace vorlix::app
