#include "app/search/index/folder_index_store.h"

#include <chrono>

namespace vorlix::app {

FolderIndexStore::~FolderIndexStore() {
  Finish();
  if (loader_.joinable()) loader_.join();
}

// A loader that is done has left the lock for good: joining it here cannot
// wait on this thread. The same holds for the worker below.
void FolderIndexStore::StartLoading() {
  const std::lock_guard lock(mutex_);
  if (index_ || loading_) return;
  if (loader_.joinable()) loader_.join();
  loading_ = true;
  loader_ = std::thread([this, generation = generation_] { Load(generation); });
}

void FolderIndexStore::Load(std::uint64_t generation) {
  std::shared_ptr<const FolderIndex> loaded = LoadFolderIndex(file_, format_);
  const std::lock_guard lock(mutex_);
  loading_ = false;
  if (generation == generation_ && !index_) index_ = std::move(loaded);
  changed_.notify_all();
}

std::optional<FolderIndexStore::ForSearch> FolderIndexStore::Await(const std::function<bool()>& keep_waiting) {
  StartLoading();
  std::unique_lock lock(mutex_);
  for (;;) {
    if (index_ && !to_take_in_ && !taking_in_) return ForSearch{index_, generation_};
    if (!index_ && !loading_) {
      lock.unlock();
      StartLoading();
      lock.lock();
      continue;
    }
    changed_.wait_for(lock, std::chrono::milliseconds(5));
    lock.unlock();
    const bool go_on = keep_waiting();
    lock.lock();
    if (!go_on) return std::nullopt;
  }
}

void FolderIndexStore::Keep(std::unique_ptr<IndexedListing> listing, std::uint64_t generation) {
  const std::lock_guard lock(mutex_);
  if (generation != generation_) return;
  to_take_in_ = std::move(listing);
  to_take_in_generation_ = generation;
  StartWorker();
}

// The lock is held.
void FolderIndexStore::StartWorker() {
  if (working_) return;
  working_ = true;
  if (worker_.joinable()) worker_.join();
  worker_ = std::thread([this] { TakeInAndWrite(); });
}

void FolderIndexStore::TakeInAndWrite() {
  std::unique_lock lock(mutex_);
  while (to_take_in_ || clear_file_) {
    std::shared_ptr<const FolderIndex> to_write;
    if (clear_file_) {
      clear_file_ = false;
      to_write = std::make_shared<const FolderIndex>();
    } else {
      std::unique_ptr<IndexedListing> listing = std::move(to_take_in_);
      const std::uint64_t generation = to_take_in_generation_;
      taking_in_ = true;
      lock.unlock();
      const bool changed = listing->Changed();
      auto result = changed ? std::make_shared<const FolderIndex>(listing->Result()) : nullptr;
      listing.reset();
      lock.lock();
      taking_in_ = false;
      if (changed && generation == generation_) index_ = to_write = std::move(result);
      changed_.notify_all();
    }
    if (!to_write) continue;
    lock.unlock();
    SaveFolderIndex(file_, *to_write, format_);
    lock.lock();
  }
  working_ = false;
  changed_.notify_all();
}

void FolderIndexStore::Clear() {
  {
    const std::lock_guard lock(mutex_);
    ++generation_;
    index_ = std::make_shared<const FolderIndex>();
    to_take_in_.reset();
    clear_file_ = true;
    StartWorker();
  }
  Finish();
}

void FolderIndexStore::Forget() {
  const std::lock_guard lock(mutex_);
  ++generation_;
  index_.reset();
  to_take_in_.reset();
}

void FolderIndexStore::Finish() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !working_; });
  if (!worker_.joinable()) return;
  std::thread worker = std::move(worker_);
  lock.unlock();
  worker.join();
}

SearchIndex::SearchIndex(FolderIndexStore* store, const FolderLister& lister,
                         const std::function<bool()>& keep_waiting)
    : store_(store) {
  if (store_ == nullptr) return;
  if (std::optional<FolderIndexStore::ForSearch> taken = store_->Await(keep_waiting)) {
    generation_ = taken->generation;
    listing_ = std::make_unique<IndexedListing>(std::move(taken->index), lister);
  }
}

void SearchIndex::HandBack() {
  if (listing_) store_->Keep(std::move(listing_), generation_);
}

}  // namespace vorlix::app
