#include "app/search/listing_ahead.h"

#include <chrono>
#include <string>

namespace vorlix::app {

ListingAhead::ListingAhead(FolderQueue& queue, const NameMatcher& matcher, const FolderLister& lister,
                           unsigned threads)
    : queue_(queue), slots_(kAhead) {
  for (unsigned i = 0; i < threads; ++i) workers_.emplace_back([this, &matcher, &lister] { Work(matcher, lister); });
}

ListingAhead::~ListingAhead() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  work_ready_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void ListingAhead::Work(const NameMatcher& matcher, const FolderLister& lister) {
  FolderReader reader(matcher, lister);
  const std::function<bool()> should_stop = [this] { return stopping_.load(std::memory_order_relaxed); };
  std::string path;
  std::unique_lock lock(mutex_);
  for (;;) {
    work_ready_.wait(lock, [this] { return stopping_ || HasWork(); });
    if (stopping_) return;
    const std::uint32_t folder = next_++;
    queue_.PathOf(folder, path);
    Slot& slot = slots_[folder % kAhead];
    slot.folder = folder;
    slot.ready = false;
    lock.unlock();
    reader.Read(path, slot.contents, should_stop);
    lock.lock();
    slot.ready = true;
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

void ListingAhead::Add(std::uint32_t parent, std::string_view name) {
  const std::lock_guard lock(mutex_);
  queue_.Add(parent, name);
}

void ListingAhead::Publish() { work_ready_.notify_all(); }

void ListingAhead::Done(std::uint32_t folder) {
  {
    const std::lock_guard lock(mutex_);
    slots_[folder % kAhead].ready = false;
    taken_in_ = folder + 1;
  }
  work_ready_.notify_all();
}

}  // namespace vorlix::app
