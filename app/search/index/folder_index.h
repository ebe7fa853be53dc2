#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <optional>
#include <vector>

#include "app/search/walk/kept_listings.h"
#include "app/search/names/name_matcher.h"
#include "app/search/names/text_table.h"
#include "platform/folder_listing.h"
#include "platform/folder_stamps.h"

namespace vorlix::app {

// The entries of one folder as its listing gave them, packed: for each, in
// listing order, a kind byte, the size of its name as a base-128 number,
// and its name; a file's name is followed by its keys, four bytes each of
// six bits and the top bit set, least significant first: kind 2 has the
// whole name's key, kind 3 that and its stem's. A folder's kind is 1. No
// byte of it is zero unless a name holds one.
namespace packed_entries {

// `keys` for anything but a folder, computed by the same lowering the
// search uses: a repeat search trusts them to turn names away.
void Append(std::string& packed, const platform::FolderEntry& entry, const NameKeys& keys);
// Gives every entry to the visitor, none of them a link, files with their
// keys; false when the visitor ended early.
bool Replay(std::string_view packed, KeyedEntryVisitor& visitor);
// Replay of entries not known to be whole: checks what Valid checks as it
// goes, and ends at the first fault, the entries before it given. False
// then, or when the visitor ended early.
bool ReplayChecked(std::string_view packed, std::uint64_t count, KeyedEntryVisitor& visitor);
// Whether `packed` holds exactly `count` entries, each of a known kind,
// with a name that is not empty and holds no zero byte, and its keys.
bool Valid(std::string_view packed, std::uint64_t count);

}  // namespace packed_entries

// One folder as a search listed it. A folder holding a link is never kept:
// what a link leads to can change without any stamp moving.
// Its entries are packed as packed_entries says.
struct FolderRecord : KeptEntries {
  platform::FolderStamp stamp;
  std::uint32_t day = 0;  // the last day a search used it, in days of the stamps' clock
  bool racy = false;      // its stamp was too close to the listing to tell a change made just after

  // A record owning its own packed entries.
  static FolderRecord Owning(platform::FolderStamp stamp, std::uint32_t day, bool racy, std::uint32_t entry_count,
                             std::string packed);
};

// The folders kept by earlier searches, by their path as listed (ending
// with the separator), each with a number in the order it was first put.
// Copies are cheap: records share their entries.
class FolderIndex {
 public:
  std::optional<std::uint32_t> NumberOf(std::string_view folder) const { return folders_.Find(folder); }
  const FolderRecord* Find(std::string_view folder) const;
  std::string_view Folder(std::uint32_t number) const { return folders_.Text(number); }
  const FolderRecord& Record(std::uint32_t number) const { return records_[number]; }
  // Puts or replaces the record; true when the folder was not there.
  bool Put(std::string_view folder, FolderRecord record);
  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  void Reserve(std::size_t folders, std::size_t paths_size = 0);

  template <class Visit>
  void ForEach(Visit&& visit) const {
    for (std::uint32_t number = 0; number < records_.size(); ++number) visit(Folder(number), records_[number]);
  }

 private:
  TextTable folders_;
  std::vector<FolderRecord> records_;
};

}  // namespace vorlix::app
