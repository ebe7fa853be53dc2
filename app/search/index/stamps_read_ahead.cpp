#include "app/search/index/stamps_read_ahead.h"

#include <algorithm>
#include <atomic>

#include "app/search/walk/work_on_threads.h"

namespace vorlix::app {

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

std::vector<std::uint32_t> StampsReadAhead::ToReadBelow(std::string_view root,
                                                         std::vector<std::uint32_t> below) const {
  if (std::any_of(roots_read_.begin(), roots_read_.end(), [root](const std::string& read) {
        return root.starts_with(read);
      })) {
    return {};
  }
  std::erase_if(below, [this](std::uint32_t number) { return read_[number].done; });
  return below;
}

std::span<const std::uint32_t> StampsReadAhead::ReadChunk(std::span<const std::uint32_t> to_read, std::size_t chunk,
                                                          const FolderIndex& index, const FolderLister& lister,
                                                          const std::atomic<bool>& stopping) {
  const auto folders = to_read.subspan(chunk * kChunk, std::min(kChunk, to_read.size() - chunk * kChunk));
  const std::uint64_t clock = lister.Now();
  for (std::size_t at = 0; at < folders.size() && !stopping.load(std::memory_order_relaxed); ++at) {
    Read& read = read_[folders[at]];
    read.clock = clock;
    read.stamp = lister.Stamp(index.Folder(folders[at]));
    read.done = true;
  }
  return folders;
}

const StampsReadAhead::Read& StampsReadAhead::ReadOne(std::uint32_t number, const FolderIndex& index,
                                                      const FolderLister& lister) {
  Read& read = read_[number];
  if (!read.done) {
    read.clock = lister.Now();
    read.stamp = lister.Stamp(index.Folder(number));
    read.done = true;
  }
  return read;
}

bool StampsReadAhead::ReadBelow(std::string_view root, const FolderIndex& index, const FolderLister& lister,
                                unsigned threads, const std::function<bool()>& should_stop) {
  const std::vector<std::uint32_t> folders = ToReadBelow(root, FoldersBelow(root, index));
  std::atomic<std::size_t> next = 0;
  std::atomic<bool> stopping = false;
  // Reads the next chunk; false when none is left or the read stops.
  const std::function<bool()> read_chunk = [&] {
    const std::size_t chunk = next.fetch_add(1, std::memory_order_relaxed);
    if (chunk >= ChunkCount(folders.size()) || stopping.load(std::memory_order_relaxed)) return false;
    ReadChunk(folders, chunk, index, lister, stopping);
    return true;
  };
  if (!WorkOnThreads(threads, read_chunk, stopping, should_stop)) return false;
  MarkReadBelow(root);
  return true;
}

}  // namespace vorlix::app
