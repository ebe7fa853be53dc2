#include "app/search/index/indexed_listing.h"

#include <algorithm>
#include <utility>

#include "app/search/index/folder_index_file.h"
#include "app/search/index/unchanged_tree_walk.h"

namespace vorlix::app {
namespace {

constexpr std::uint64_t kSecondsPerDay = 24 * 60 * 60;

// A kept folder may stand for the folder itself only while its own stamp
// is as it was kept, and was not too close to the listing to tell.
bool KeptAsIs(const FolderRecord& kept, const platform::FolderStamp& stamp) {
  return !kept.racy && kept.stamp == stamp;
}

// Hands every entry on, a file with the keys of its name, and packs it,
// unless the folder holds a link, which is never kept.
class KeepingVisitor final : public platform::FolderEntryVisitor {
 public:
  KeepingVisitor(KeyedEntryVisitor& visitor, NameEncoding encoding) : visitor_(visitor), encoding_(encoding) {}

  bool Visit(const platform::FolderEntry& entry) override {
    if (entry.is_link) holds_link_ = true;
    NameKeys keys;
    if (!entry.is_folder) {
      lowered_.Assign(entry.name, encoding_);
      keys = KeysOf(lowered_);
    }
    if (!holds_link_) {
      packed_entries::Append(packed_, entry, keys);
      ++count_;
    }
    if (entry.is_folder ? visitor_.Visit(entry) : visitor_.VisitKeyed(entry, keys)) return true;
    ended_early_ = true;
    return false;
  }

  bool Keepable() const { return !holds_link_ && !ended_early_; }
  std::uint32_t count() const { return count_; }
  std::string& packed() { return packed_; }

 private:
  KeyedEntryVisitor& visitor_;
  const NameEncoding encoding_;
  LoweredName lowered_;
  std::string packed_;
  std::uint32_t count_ = 0;
  bool holds_link_ = false;
  bool ended_early_ = false;
};

// Drops the records used longest ago, the deepest first among those of one
// day, until the file fits the cap.
void KeepWithinCap(FolderIndex& index, std::size_t cap_bytes) {
  std::size_t total = 0;
  std::vector<std::pair<std::string_view, const FolderRecord*>> records;
  index.ForEach([&](std::string_view folder, const FolderRecord& record) {
    total += EncodedSize(folder, record);
    records.emplace_back(folder, &record);
  });
  if (total <= cap_bytes) return;
  std::sort(records.begin(), records.end(), [](const auto& a, const auto& b) {
    if (a.second->day != b.second->day) return a.second->day > b.second->day;
    return a.first.size() < b.first.size();
  });
  FolderIndex kept;
  std::size_t size = 0;
  for (const auto& [folder, record] : records) {
    size += EncodedSize(folder, *record);
    if (size > cap_bytes) break;
    kept.Put(folder, *record);
  }
  index = std::move(kept);
}

}  // namespace

IndexedListing::IndexedListing(std::shared_ptr<const FolderIndex> previous, const FolderLister& lister,
                               std::size_t cap_bytes)
    : previous_(previous ? std::move(previous) : std::make_shared<const FolderIndex>()),
      lister_(lister),
      today_(static_cast<std::uint32_t>(lister.Now() / lister.TicksPerSecond() / kSecondsPerDay)),
      cap_bytes_(cap_bytes),
      used_(new std::atomic<bool>[previous_->size()]),
      read_ahead_(previous_->size()) {
  for (std::size_t number = 0; number < previous_->size(); ++number) used_[number] = false;
}

// The clock is read before the stamp, and the stamp before the listing: a
// change made while the folder is listed then leaves a later stamp than the
// one kept, or a racy one. A stamp read ahead came with its clock.
bool IndexedListing::List(std::string_view folder, KeyedEntryVisitor& visitor) {
  const std::optional<std::uint32_t> number = previous_->NumberOf(folder);
  const StampsReadAhead::Read* ahead = number ? read_ahead_.Find(*number) : nullptr;
  const std::uint64_t now = ahead ? ahead->clock : lister_.Now();
  const std::optional<platform::FolderStamp> stamp = ahead ? ahead->stamp : lister_.Stamp(folder);
  if (!stamp || !Trusted(*stamp)) return lister_.List(folder, visitor);
  if (!number) return ListAndKeep(folder, *stamp, now, visitor);
  const FolderRecord& kept = previous_->Record(*number);
  if (!KeptAsIs(kept, *stamp) || !packed_entries::Valid(kept.entries, kept.entry_count)) {
    return ListAndKeep(folder, *stamp, now, visitor);
  }
  MarkReplayed(*number);
  packed_entries::Replay(kept.entries, visitor);
  return true;
}

bool IndexedListing::UnchangedAhead(std::uint32_t number) {
  const StampsReadAhead::Read* ahead = read_ahead_.Find(number);
  if (!ahead || !ahead->stamp) return false;
  return KeptAsIs(previous_->Record(number), *ahead->stamp) && Trusted(*ahead->stamp);
}

void IndexedListing::MarkReplayed(std::uint32_t number) {
  used_[number].store(true, std::memory_order_relaxed);
  replayed_.fetch_add(1, std::memory_order_relaxed);
}

bool IndexedListing::ListAndKeep(std::string_view folder, const platform::FolderStamp& stamp, std::uint64_t now,
                                 KeyedEntryVisitor& visitor) {
  KeepingVisitor keeping(visitor, lister_.encoding());
  const bool listed = lister_.List(folder, keeping);
  const std::lock_guard lock(mutex_);
  ++listed_;
  if (listed && keeping.Keepable()) {
    listed_now_.Put(folder, FolderRecord::Owning(stamp, today_, IsRacy(stamp, now), keeping.count(),
                                                 std::move(keeping.packed())));
  } else {
    not_kept_.emplace(folder);
  }
  return listed;
}

// One look at the root's volume per walk, none per folder. A folder on
// another volume lies below a mount point, which the index treats as a
// link: what is mounted there can change without any stamp moving. A kept
// root's stamp, read here, counts as read ahead.
void IndexedListing::BeginRoot(std::string_view root) {
  const std::optional<std::uint32_t> number = previous_->NumberOf(root);
  const std::optional<platform::FolderStamp> stamp =
      number ? read_ahead_.ReadOne(*number, *previous_, lister_).stamp : lister_.Stamp(root);
  root_volume_trusted_ = stamp && lister_.KeepsStamps(root);
  root_volume_ = stamp ? stamp->volume : 0;
}

bool IndexedListing::IsRacy(const platform::FolderStamp& stamp, std::uint64_t listed_at) const {
  const std::uint64_t stamped_at = std::max(stamp.write, stamp.change);
  return stamped_at > listed_at || listed_at - stamped_at < kRacySeconds * lister_.TicksPerSecond();
}

void IndexedListing::TreeWalked(std::string_view folder) {
  const std::lock_guard lock(mutex_);
  walked_trees_.emplace_back(folder);
}

UnchangedTreeWalk IndexedListing::WalkUnchanged(std::string_view root, const NameMatcher& matcher,
                                                const FolderLister& lister, FileWalkSink& sink, unsigned threads) {
  return WalkUnchangedTree(root, matcher, lister, *this, sink, threads);
}

bool IndexedListing::UnderWalkedTree(std::string_view folder) const {
  return std::any_of(walked_trees_.begin(), walked_trees_.end(),
                     [folder](const std::string& tree) { return folder.starts_with(tree); });
}

// What becomes of a folder of the previous index: one this search used is
// kept, as is one it did not meet, unless that is gone or has not been
// used for a month.
IndexedListing::Fate IndexedListing::FateOf(std::uint32_t number) const {
  const std::string_view folder = previous_->Folder(number);
  if (listed_now_.NumberOf(folder) || not_kept_.contains(folder)) return Fate::kListedAnew;
  if (used_[number].load(std::memory_order_relaxed)) return Fate::kUsed;
  if (UnderWalkedTree(folder) || previous_->Record(number).day + kUnusedDaysKept < today_) return Fate::kDropped;
  return Fate::kKept;
}

bool IndexedListing::Changed() const {
  const std::lock_guard lock(mutex_);
  if (listed_ > 0) return true;
  std::size_t size = 0;
  for (std::uint32_t number = 0; number < previous_->size(); ++number) {
    const Fate fate = FateOf(number);
    const FolderRecord& record = previous_->Record(number);
    if (fate == Fate::kDropped || (fate == Fate::kUsed && record.day != today_)) return true;
    size += EncodedSize(previous_->Folder(number), record);
  }
  listed_now_.ForEach([&size](std::string_view folder, const FolderRecord& record) {
    size += EncodedSize(folder, record);
  });
  return size > cap_bytes_;
}

FolderIndex IndexedListing::Result() const {
  const std::lock_guard lock(mutex_);
  FolderIndex result;
  result.Reserve(previous_->size() + listed_now_.size());
  for (std::uint32_t number = 0; number < previous_->size(); ++number) {
    const Fate fate = FateOf(number);
    if (fate == Fate::kListedAnew || fate == Fate::kDropped) continue;
    FolderRecord record = previous_->Record(number);
    if (fate == Fate::kUsed) record.day = today_;
    result.Put(previous_->Folder(number), std::move(record));
  }
  listed_now_.ForEach([&result](std::string_view folder, const FolderRecord& record) { result.Put(folder, record); });
  KeepWithinCap(result, cap_bytes_);
  return result;
}

}  // namespace vorlix::app
