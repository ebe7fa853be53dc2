#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <optional>
#include <vector>

#include "app/search/text_table.h"
#include "platform/folder_listing.h"
#include "platform/folder_stamps.h"

namespace vorlix::app {

// The entries of one folder as its listing gave them, packed: for each, in
// listing order, a byte (1 for a folder, 2 for anything else), the size of
// its name as a base-128 number, and its name. No byte of it is zero unless
// a name holds one.
namespace packed_entries {

void Append(std::string& packed, const platform::FolderEntry& entry);
// Gives every entry to the visitor, none of them a link; false when the
// visitor ended early.
bool Replay(std::string_view packed, platform::FolderEntryVisitor& visitor);
// Whether `packed` holds exactly `count` entries, each with a name that is
// not empty and holds no zero byte.
bool Valid(std::string_view packed, std::uint64_t count);

}  // namespace packed_entries

// One folder as a search listed it. A folder holding a link is never kept:
// what a link leads to can change without any stamp moving.
struct FolderRecord {
  platform::FolderStamp stamp;
  std::uint32_t day = 0;  // the last day a search used it, in days of the stamps' clock
  bool racy = false;      // its stamp was too close to the listing to tell a change made just after
  std::uint32_t entry_count = 0;
  std::string_view entries;  // packed, see packed_entries
  std::shared_ptr<const void> storage;  // what `entries` lies in

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
  void Put(std::string_view folder, FolderRecord record);
  std::size_t size() const { return records_.size(); }
  bool empty() const { return records_.empty(); }
  void Reserve(std::size_t folders);

  template <class Visit>
  void ForEach(Visit&& visit) const {
    for (std::uint32_t number = 0; number < records_.size(); ++number) visit(Folder(number), records_[number]);
  }

 private:
  TextTable folders_;
  std::vector<FolderRecord> records_;
};

}  // namespace vorlix::app
