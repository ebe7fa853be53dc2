#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/search/index/folder_index.h"
#include "app/search/walk/folder_lister.h"

namespace vorlix::app {

// The folders of `index` below `root` (ending with the separator, and the
// root itself when kept), in the order of their paths, so that a folder's
// subfolders follow it.
std::vector<std::uint32_t> FoldersBelow(std::string_view root, const FolderIndex& index);

// The stamps of a folder index's folders, read before a walk needs them.
// Read one at a time in a walk's breadth-first order, each stamp costs a
// lookup of the whole path with the system's caches cold; read in the order
// of their paths, neighbours follow each other and the same stamps cost
// half as much, and they spread over threads.
class StampsReadAhead {
 public:
  struct Read {
    std::uint64_t clock = 0;  // the stamps' clock before this stamp was read
    std::optional<platform::FolderStamp> stamp;
    bool done = false;
  };
  explicit StampsReadAhead(std::size_t folders) : read_(folders) {}

  // Reads the stamps of the folders of `index` below `root` (ending with
  // the separator) not read yet, on `threads` threads of their own, or on
  // the calling one when 0, which polls `should_stop` every few
  // milliseconds while it waits; false when that said stop. Nothing to do
  // below a root read whole before.
  bool ReadBelow(std::string_view root, const FolderIndex& index, const FolderLister& lister, unsigned threads,
                 const std::function<bool()>& should_stop);

  // For a caller that reads in chunks of its own: of `below`, the kept
  // folders below `root` in path order (see FoldersBelow), those whose
  // stamps are not read yet; they make ChunkCount chunks, and ReadChunk
  // reads one of them (safe on several threads for distinct chunks) until
  // `stopping` and gives its folders; once all are read, MarkReadBelow
  // spares reading them again.
  std::vector<std::uint32_t> ToReadBelow(std::string_view root, std::vector<std::uint32_t> below) const;
  static std::size_t ChunkCount(std::size_t folders) { return (folders + kChunk - 1) / kChunk; }
  std::span<const std::uint32_t> ReadChunk(std::span<const std::uint32_t> to_read, std::size_t chunk,
                                           const FolderIndex& index, const FolderLister& lister,
                                           const std::atomic<bool>& stopping);
  void MarkReadBelow(std::string_view root) { roots_read_.emplace_back(root); }

  // Reads the stamp of kept folder `number` now, unless it was read
  // already; what was read. Not while a read of other folders is going on.
  const Read& ReadOne(std::uint32_t number, const FolderIndex& index, const FolderLister& lister);

  // What was read for folder `number`; nullptr when it was not read ahead.
  // Not while a read in progress may be writing it: between reads, or on
  // the thread that read it.
  const Read* Find(std::uint32_t number) const { return read_[number].done ? &read_[number] : nullptr; }

 private:
  // Folders read at once by one thread: neighbours stay together, and the
  // clock is read once for them.
  static constexpr std::size_t kChunk = 256;

  std::vector<Read> read_;
  std::vector<std::string> roots_read_;
};

}  // namespace vorlix::app
