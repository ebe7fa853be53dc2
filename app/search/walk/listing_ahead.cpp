#include "app/search/walk/listing_ahead.h"

#include <algorithm>
#include <chrono>

namespace vorlix::app {

ListingAhead::ListingAhead(FolderQueue& queue, const NameMatcher& matcher, const FolderLister& lister,
                           KeptListings* index, unsigned threads, bool every_file)
    : queue_(queue), slots_(kAhead), threads_(threads) {
  for (unsigned i = 0; i < threads; ++i) {
    workers_.emplace_back([this, &matcher, &lister, index, every_file] { Work(matcher, lister, index, every_file); });
  }
}

ListingAhead::~ListingAhead() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  work_ready_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

// An even share of what is queued, so that every worker has some.
void ListingAhead::Claim(std::vector<Claimed>& claimed) {
  const std::uint32_t queued = static_cast<std::uint32_t>(queue_.size()) - next_;
  const std::uint32_t room = taken_in_ + kAhead - next_;
  const std::uint32_t count = std::min({kBatch, (queued + threads_ - 1) / threads_, room});
  claimed.resize(count);
  for (Claimed& folder : claimed) {
    folder.folder = next_++;
    folder.through_link = queue_.ThroughLink(folder.folder);
    Slot& slot = slots_[folder.folder % kAhead];
    queue_.PathOf(folder.folder, slot.path);
    slot.folder = folder.folder;
    slot.ready = false;
  }
}

void ListingAhead::Work(const NameMatcher& matcher, const FolderLister& lister, KeptListings* index,
                        bool every_file) {
  FolderReader reader(matcher, lister, index, every_file);
  const std::function<bool()> should_stop = [this] { return stopping_.load(std::memory_order_relaxed); };
  std::vector<Claimed> claimed;
  std::unique_lock lock(mutex_);
  for (;;) {
    work_ready_.wait(lock, [this] { return stopping_ || HasWork(); });
    if (stopping_) return;
    Claim(claimed);
    lock.unlock();
    for (const Claimed& folder : claimed) {
      Slot& slot = slots_[folder.folder % kAhead];
      reader.Read(slot.path, folder.through_link, slot.contents, should_stop);
    }
    lock.lock();
    for (const Claimed& folder : claimed) slots_[folder.folder % kAhead].ready = true;
    contents_ready_.notify_all();
  }
}

const FolderContents* ListingAhead::Wait(std::uint32_t folder, const std::function<bool()>& should_stop) {
  std::unique_lock lock(mutex_);
  const Slot& slot = slots_[folder % kAhead];
  while (!(slot.ready && slot.folder == folder)) {
    contents_ready_.wait_for(lock, std::chrono::milliseconds(2));
    if (slot.ready && slot.folder == folder) break;
    lock.unlock();
    const bool stop = should_stop();
    lock.lock();
    if (stop) return nullptr;
  }
  return &slot.contents;
}

void ListingAhead::Add(std::uint32_t parent, std::string_view name, bool is_link) {
  const std::lock_guard lock(mutex_);
  queue_.Add(parent, name, is_link);
  added_ = true;
}

void ListingAhead::Publish() {
  if (!added_) return;
  added_ = false;
  work_ready_.notify_all();
}

// A worker that waits for room is woken once a whole batch has room, not
// at every folder: waking a thread costs more than listing a folder from
// the index. The room grows by one at each call, so it meets kBatch.
void ListingAhead::Done(std::uint32_t folder) {
  bool batch_has_room = false;
  {
    const std::lock_guard lock(mutex_);
    slots_[folder % kAhead].ready = false;
    taken_in_ = folder + 1;
    batch_has_room = taken_in_ + kAhead - next_ == kBatch;
  }
  if (batch_has_room) work_ready_.notify_all();
}

}  // namespace vorlix::app
