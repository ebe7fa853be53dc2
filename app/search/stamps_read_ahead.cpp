#include "app/search/stamps_read_ahead.h"

#include <algorithm>
#include <atomic>

#include "app/search/work_on_threads.h"

namespace vorlix::app {
namespace {

// Folders a thread takes at once: neighbours stay together, and the clock
// is read once for them.
constexpr std::size_t kChunk = 256;

}  // namespace

// The index file keeps its folders in the order of their paths.
std::vector<std::uint32_t> FoldersBelow(std::string_view root, const FolderIndex& index) {
  std::vector<std::uint32_t> below;
  for (std::uint32_t number = 0; number < index.size(); ++number) {
    if (index.Folder(number).starts_with(root)) below.push_back(number);
  }
  const auto by_path = [&index](std::uint32_t a, std::uint32_t b) { return index.Folder(a) < index.Folder(b); };
  if (!std::is_sorted(below.begin(), below.end(), by_path)) std::sort(below.begin(), below.end(), by_path);
  return below;
}

bool StampsReadAhead::ReadBelow(std::string_view root, const FolderIndex& index, const FolderLister& lister,
                                unsigned threads, const std::function<bool()>& should_stop) {
  if (std::any_of(roots_read_.begin(), roots_read_.end(), [root](const std::string& read) {
        return root.starts_with(read);
      })) {
    return true;
  }
  if (!ReadEach(FoldersBelow(root, index), index, lister, threads, should_stop)) return false;
  roots_read_.emplace_back(root);
  return true;
}

bool StampsReadAhead::ReadEach(const std::vector<std::uint32_t>& folders, const FolderIndex& index,
                               const FolderLister& lister, unsigned threads,
                               const std::function<bool()>& should_stop) {
  std::atomic<std::size_t> next = 0;
  std::atomic<bool> stopping = false;
  // Reads the next chunk; false when none is left or the read stops.
  const std::function<bool()> read_chunk = [&] {
    const std::size_t start = next.fetch_add(kChunk, std::memory_order_relaxed);
    if (start >= folders.size() || stopping.load(std::memory_order_relaxed)) return false;
    const std::uint64_t clock = lister.Now();
    const std::size_t end = std::min(start + kChunk, folders.size());
    for (std::size_t at = start; at < end && !stopping.load(std::memory_order_relaxed); ++at) {
      Read& read = read_[folders[at]];
      read.clock = clock;
      read.stamp = lister.Stamp(index.Folder(folders[at]));
      read.done = true;
    }
    return true;
  };
  return WorkOnThreads(threads, read_chunk, stopping, should_stop);
}

}  // namespace vorlix::app
