#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "app/search/walk/folder_lister.h"
#include "app/search/names/name_matcher.h"
#include "platform/folder_listing.h"

namespace vorlix::app {

class FileWalkSink;

// A visitor of entries that can be told the keys of a file's lowered name,
// as kept listings hold them.
class KeyedEntryVisitor : public platform::FolderEntryVisitor {
 public:
  // A file given from a kept listing, with the keys of its name; by default
  // visited as any other entry.
  virtual bool VisitKeyed(const platform::FolderEntry& entry, const NameKeys&) { return Visit(entry); }

 protected:
  ~KeyedEntryVisitor() = default;
};

// The entries of a folder as a kept listing holds them, packed by the
// keeper, who alone reads them: a walk only hands them on (see
// FileWalkSink::OnKeptFolder).
struct KeptEntries {
  std::uint32_t entry_count = 0;
  std::string_view entries;
  std::shared_ptr<const void> storage;  // what `entries` lies in
};

enum class UnchangedTreeWalk { kWalked, kStopped, kChanged };

// Listings that earlier searches kept, which a walk may use instead of
// listing folders again: all the walks know of the folder index, which
// implements it (IndexedListing).
class KeptListings {
 public:
  // Before a walk below `root` (ending with the separator) that lists
  // through these listings. Not while List runs.
  virtual void BeginRoot(std::string_view root) = 0;
  // Before a walk below `root` (ending with the separator): reads ahead, on
  // `threads` threads, what List will ask of the folders below it.
  // `should_stop` is polled every few milliseconds; false when it said
  // stop. Not while List runs.
  virtual bool ReadStampsBelow(std::string_view root, unsigned threads, const std::function<bool()>& should_stop) = 0;
  // Lists `folder` (ending with the separator), from a kept listing when it
  // still holds, files with the keys of their names; false when it cannot
  // be listed whole. Safe on several threads.
  virtual bool List(std::string_view folder, KeyedEntryVisitor& visitor) = 0;
  // A file walk below `root` that needs no listing at all, every folder
  // below it being kept and unchanged: its rows go to `sink` as WalkFiles
  // gives them; kChanged, before any row, when that is not so. After
  // BeginRoot(root).
  virtual UnchangedTreeWalk WalkUnchanged(std::string_view root, const NameMatcher& matcher,
                                          const FolderLister& lister, FileWalkSink& sink, unsigned threads) = 0;
  // A walk below `folder` (ending with the separator) reached every folder
  // it could: kept folders below it that it did not meet are gone.
  virtual void TreeWalked(std::string_view folder) = 0;

 protected:
  ~KeptListings() = default;
};

}  // namespace vorlix::app
