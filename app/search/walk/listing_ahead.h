#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/search/walk/folder_queue.h"
#include "app/search/walk/folder_reading.h"

namespace vorlix::app {

// Worker threads that list the queued folders of a walk ahead of the
// thread that takes them in, so listing overlaps with giving rows while
// the rows keep their order: folders are taken in strictly in queue order.
// At most kAhead folders are listed and not yet taken in. Only the taking
// thread adds to the queue, through Add. A worker takes up to kBatch
// folders at once and hands them over together: a folder that comes from
// the folder index takes a few microseconds, less than waking a thread.
class ListingAhead {
 public:
  static constexpr std::uint32_t kAhead = 1024;
  static constexpr std::uint32_t kBatch = 64;

  // `every_file`: the contents hold every file, matched or not.
  ListingAhead(FolderQueue& queue, const NameMatcher& matcher, const FolderLister& lister, KeptListings* index,
               unsigned threads, bool every_file = false);
  ~ListingAhead();
  ListingAhead(const ListingAhead&) = delete;
  ListingAhead& operator=(const ListingAhead&) = delete;

  // The contents of `folder` once a worker has listed them; nullptr when
  // `should_stop` (polled every few milliseconds of waiting) said stop.
  const FolderContents* Wait(std::uint32_t folder, const std::function<bool()>& should_stop);
  // Once Wait gave its contents: the folder's path, as its worker put it
  // together, swapped into `path` (so it is not put together twice).
  void TakePath(std::uint32_t folder, std::string& path) { path.swap(slots_[folder % kAhead].path); }
  void Add(std::uint32_t parent, std::string_view name, bool is_link);
  // Lets the workers see the folders added since the last call; costs
  // nothing when there are none.
  void Publish();
  // `folder` is taken in; its contents may be reused.
  void Done(std::uint32_t folder);

 private:
  struct Slot {
    std::uint32_t folder = UINT32_MAX;
    bool ready = false;
    std::string path;
    FolderContents contents;
  };

  struct Claimed {
    std::uint32_t folder;
    bool through_link;
  };

  void Work(const NameMatcher& matcher, const FolderLister& lister, KeptListings* index, bool every_file);
  bool HasWork() const { return next_ < queue_.size() && next_ < taken_in_ + kAhead; }
  // Takes the next folders for one worker; the lock is held.
  void Claim(std::vector<Claimed>& claimed);

  FolderQueue& queue_;
  std::mutex mutex_;
  std::condition_variable work_ready_;
  std::condition_variable contents_ready_;
  std::vector<Slot> slots_;
  std::uint32_t next_ = 0;      // the next folder a worker lists
  std::uint32_t taken_in_ = 0;  // folders before this one are taken in
  std::atomic<bool> stopping_ = false;
  bool added_ = false;  // folders added since the last Publish; the taking thread's own
  const unsigned threads_;
  std::vector<std::thread> workers_;
};

}  // namespace vorlix::app
