#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "app/search/index/folder_index.h"
#include "app/search/index/folder_index_file.h"
#include "app/search/index/indexed_listing.h"

namespace vorlix::app {

// The folder index of a long-lived program. It is read from its file on a
// thread of its own, so that the window stays responsive while a large
// index loads, and kept in memory from search to search. What a search
// leaves is turned into the next index, and written to the file in one
// replacement, on another thread, so that a stop ends a search at once.
// Safe to use from any thread.
class FolderIndexStore {
 public:
  FolderIndexStore(std::string file, FolderIndexFormat format) : file_(std::move(file)), format_(format) {}
  ~FolderIndexStore();
  FolderIndexStore(const FolderIndexStore&) = delete;
  FolderIndexStore& operator=(const FolderIndexStore&) = delete;

  // Starts reading the file, unless the index is in memory or on its way.
  void StartLoading();

  // The index for a search, and the mark to hand back with what the search
  // leaves; waits for the index to load and for the last search's to be
  // taken in, calling `keep_waiting` every few milliseconds meanwhile.
  // Nothing when `keep_waiting` said stop.
  struct ForSearch {
    std::shared_ptr<const FolderIndex> index;
    std::uint64_t generation;
  };
  std::optional<ForSearch> Await(const std::function<bool()>& keep_waiting);

  // What a search listed becomes the next index, written to the file when
  // it changed. Dropped when the index was cleared or let go since that
  // search began.
  void Keep(std::unique_ptr<IndexedListing> listing, std::uint64_t generation);

  // Empties the index, in memory and in its file; returns when written.
  void Clear();
  // Lets go of the index in memory; the file stays as it is.
  void Forget();
  // Waits until everything kept is written.
  void Finish();

 private:
  void Load(std::uint64_t generation);
  void StartWorker();
  void TakeInAndWrite();

  const std::string file_;
  const FolderIndexFormat format_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::shared_ptr<const FolderIndex> index_;  // none while not loaded
  std::uint64_t generation_ = 0;
  bool loading_ = false;
  std::unique_ptr<IndexedListing> to_take_in_;  // a search's listing, not yet the index
  std::uint64_t to_take_in_generation_ = 0;
  bool taking_in_ = false;  // a listing is being turned into the index
  bool clear_file_ = false;
  bool working_ = false;
  std::thread loader_;
  std::thread worker_;
};

// The index as one search uses it: taken from the store as the search
// begins, waiting for it to load (`keep_waiting` is called meanwhile), and
// handed back when the search ends. None without a store, or when
// `keep_waiting` said stop.
class SearchIndex {
 public:
  SearchIndex(FolderIndexStore* store, const FolderLister& lister, const std::function<bool()>& keep_waiting);
  IndexedListing* listing() const { return listing_.get(); }
  void HandBack();

 private:
  FolderIndexStore* store_;
  std::uint64_t generation_ = 0;
  std::unique_ptr<IndexedListing> listing_;
};

}  // namespace vorlix::app
