#include "app/search/index/unchanged_tree_walk.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/search/walk/folder_reading.h"
#include "app/search/index/stamps_read_ahead.h"
#include "app/search/walk/work_on_threads.h"

namespace vorlix::app {
namespace {

// Entries matched at once by one thread, in whole folders: a few large
// folders (of thumbnails, say) must not leave one thread all the work.
constexpr std::uint64_t kChunkEntries = 16384;
constexpr std::uint32_t kNone = UINT32_MAX;

// What matching gave for the folders of one chunk, back to back in one
// FolderContents; per folder, where its subfolders and files end.
struct MatchedChunk {
  FolderContents contents;
  std::vector<std::uint32_t> subfolders_end;
  std::vector<std::uint32_t> files_end;
  std::vector<std::uint32_t> children;  // the position in below_ of each subfolder
};

class UnchangedTree {
 public:
  UnchangedTree(std::string_view root, const NameMatcher& matcher, const FolderLister& lister,
                IndexedListing& index, FileWalkSink& sink)
      : root_(root),
        matcher_(matcher),
        lister_(lister),
        index_(index),
        kept_(index.previous()),
        stamps_(index.stamps_ahead()),
        sink_(sink),
        below_(FoldersBelow(root, kept_)) {}

  UnchangedTreeWalk Run(unsigned threads) {
    if (!AllKeptAndReadUnchanged()) return UnchangedTreeWalk::kChanged;
    CutIntoChunks();
    LinkKeptSubfolders();
    if (!ReadAndMatch(threads)) return changed_ ? UnchangedTreeWalk::kChanged : UnchangedTreeWalk::kStopped;
    stamps_.MarkReadBelow(root_);
    if (!PutInWalkOrder()) return UnchangedTreeWalk::kChanged;
    for (const std::uint32_t at : walk_order_) index_.MarkReplayed(below_[at]);
    return GiveRows() ? UnchangedTreeWalk::kWalked : UnchangedTreeWalk::kStopped;
  }

 private:
  void CutIntoChunks() {
    std::uint64_t entries = kChunkEntries;
    for (std::uint32_t at = 0; at < below_.size(); ++at) {
      if (entries >= kChunkEntries) {
        chunk_starts_.push_back(at);
        entries = 0;
      }
      entries += kept_.Record(below_[at]).entry_count;
      chunk_of_.push_back(static_cast<std::uint32_t>(chunk_starts_.size() - 1));
    }
    chunk_starts_.push_back(static_cast<std::uint32_t>(below_.size()));
    chunks_.resize(chunk_starts_.size() - 1);
  }

  // The root is kept, and no stamp read before (below a root walked
  // earlier in this search) shows a change.
  bool AllKeptAndReadUnchanged() {
    if (below_.empty() || kept_.Folder(below_.front()) != root_) return false;
    return std::all_of(below_.begin(), below_.end(), [this](std::uint32_t number) {
      return !stamps_.Find(number) || index_.UnchangedAhead(number);
    });
  }

  // Stamp chunks first, then match chunks: matching starts while the last
  // stamps are read, and a change seen in a stamp ends it all.
  bool ReadAndMatch(unsigned threads) {
    const std::vector<std::uint32_t> to_read = stamps_.ToReadBelow(root_, below_);
    const std::size_t stamp_chunks = StampsReadAhead::ChunkCount(to_read.size());
    std::atomic<std::size_t> next = 0;
    std::atomic<bool> stopping = false;
    const std::function<bool()> stop_asked = [&] { return stopping.load(std::memory_order_relaxed); };
    const std::function<bool()> do_chunk = [&] {
      const std::size_t chunk = next.fetch_add(1, std::memory_order_relaxed);
      if (chunk >= stamp_chunks + chunks_.size() || stop_asked()) return false;
      const bool unchanged = chunk < stamp_chunks ? ReadStamps(to_read, chunk, stopping)
                                                  : MatchChunk(chunk - stamp_chunks, stopping);
      if (unchanged) return true;
      if (!stop_asked()) changed_ = true;
      stopping = true;
      return false;
    };
    return WorkOnThreads(threads, do_chunk, stopping, [this] { return sink_.ShouldStop(); }) && !changed_;
  }

  // False when stopped or when a stamp read shows a change.
  bool ReadStamps(const std::vector<std::uint32_t>& to_read, std::size_t chunk, const std::atomic<bool>& stopping) {
    const auto folders = stamps_.ReadChunk(to_read, chunk, kept_, lister_, stopping);
    return std::all_of(folders.begin(), folders.end(), [this](std::uint32_t number) {
      return index_.UnchangedAhead(number);
    });
  }

  // Each kept folder's kept folders below it with no kept folder between,
  // from the paths alone: in path order, the nearest folder before one
  // whose path begins its own. They are its subfolders, unless one between
  // is not kept; in path order, that is in the order of their names.
  void LinkKeptSubfolders() {
    std::vector<std::uint32_t> parent(below_.size(), kNone);
    std::vector<std::uint32_t> open;  // the folders whose paths begin the one at hand
    subfolders_start_.assign(below_.size() + 1, 0);
    for (std::uint32_t at = 0; at < below_.size(); ++at) {
      const std::string_view path = kept_.Folder(below_[at]);
      while (!open.empty() && !path.starts_with(kept_.Folder(below_[open.back()]))) open.pop_back();
      if (!open.empty()) ++subfolders_start_[(parent[at] = open.back()) + 1];
      open.push_back(at);
    }
    for (std::size_t at = 0; at < below_.size(); ++at) subfolders_start_[at + 1] += subfolders_start_[at];
    std::vector<std::uint32_t> filled(subfolders_start_.begin(), subfolders_start_.end() - 1);
    subfolders_.resize(subfolders_start_.back());
    for (std::uint32_t at = 0; at < below_.size(); ++at) {
      if (parent[at] != kNone) subfolders_[filled[parent[at]]++] = at;
    }
  }

  // The position of the kept subfolder of the folder at `at` whose path
  // ends with `name_and_separator`; kNone when it is not kept.
  std::uint32_t KeptSubfolder(std::uint32_t at, std::string_view name_and_separator) const {
    const std::size_t parent_size = kept_.Folder(below_[at]).size();
    const auto ending = [&](std::uint32_t child) { return kept_.Folder(below_[child]).substr(parent_size); };
    const auto first = subfolders_.begin() + subfolders_start_[at];
    const auto end = subfolders_.begin() + subfolders_start_[at + 1];
    const auto before = [&](std::uint32_t child, std::string_view name) { return ending(child) < name; };
    const auto found = std::lower_bound(first, end, name_and_separator, before);
    return found != end && ending(*found) == name_and_separator ? *found : kNone;
  }

  // False when stopped or when a folder's entries are damaged or name a
  // subfolder the index does not hold.
  bool MatchChunk(std::size_t chunk, const std::atomic<bool>& stopping) {
    FolderReader reader(matcher_, lister_, nullptr);
    MatchedChunk& matched = chunks_[chunk];
    std::string name_and_separator;
    for (std::uint32_t at = chunk_starts_[chunk]; at < chunk_starts_[chunk + 1]; ++at) {
      const FolderRecord& kept = kept_.Record(below_[at]);
      const std::size_t first = matched.contents.subfolders.size();
      const auto replay = [&kept](KeyedEntryVisitor& visitor) {
        return packed_entries::ReplayChecked(kept.entries, kept.entry_count, visitor);
      };
      if (!reader.AppendKept(replay, matched.contents, stopping)) return false;
      for (std::size_t subfolder = first; subfolder < matched.contents.subfolders.size(); ++subfolder) {
        const auto& [name_at, name_size, is_link] = matched.contents.subfolders[subfolder];
        name_and_separator.assign(matched.contents.Name(name_at, name_size)) += lister_.separator();
        const std::uint32_t child = KeptSubfolder(at, name_and_separator);
        if (child == kNone) return false;
        matched.children.push_back(child);
      }
      matched.subfolders_end.push_back(static_cast<std::uint32_t>(matched.contents.subfolders.size()));
      matched.files_end.push_back(static_cast<std::uint32_t>(matched.contents.files.size()));
    }
    return true;
  }

  // Breadth first from the root, subfolders in listing order, as a walk
  // queues them; positions in below_. False when a subfolder is reached
  // twice, which a whole index never holds.
  bool PutInWalkOrder() {
    std::vector<bool> reached(below_.size(), false);
    walk_order_.assign(1, 0);
    reached[0] = true;
    for (std::size_t next = 0; next < walk_order_.size(); ++next) {
      const auto [chunk, first, end] = Span(walk_order_[next], &MatchedChunk::subfolders_end);
      for (std::uint32_t subfolder = first; subfolder < end; ++subfolder) {
        const std::uint32_t at = chunk->children[subfolder];
        if (reached[at]) return false;
        reached[at] = true;
        walk_order_.push_back(at);
      }
    }
    return true;
  }

  struct ChunkSpan {
    const MatchedChunk* chunk;
    std::uint32_t first;
    std::uint32_t end;
  };
  // Where the subfolders or files of the folder at `at` lie in its chunk.
  ChunkSpan Span(std::uint32_t at, std::vector<std::uint32_t> MatchedChunk::*ends) const {
    const MatchedChunk& chunk = chunks_[chunk_of_[at]];
    const std::size_t within = at - chunk_starts_[chunk_of_[at]];
    return {&chunk, within == 0 ? 0 : (chunk.*ends)[within - 1], (chunk.*ends)[within]};
  }

  bool GiveRows() {
    for (const std::uint32_t at : walk_order_) {
      if (sink_.ShouldStop()) return false;
      const std::string_view folder = kept_.Folder(below_[at]);
      sink_.OnKeptFolder(folder, kept_.Record(below_[at]));
      const auto [chunk, first, end] = Span(at, &MatchedChunk::files_end);
      const FolderContents& contents = chunk->contents;
      std::uint32_t keyword = first == 0 ? 0 : contents.files[first - 1].keywords_end;
      for (std::uint32_t file = first; file < end; ++file) {
        const std::string_view name = contents.LoweredName(contents.files[file]);
        const std::string_view name_on_disk = contents.NameOnDisk(contents.files[file]);
        for (; keyword < contents.files[file].keywords_end; ++keyword) {
          sink_.OnRow(folder, name, name_on_disk, contents.keywords[keyword]);
        }
        if (sink_.ShouldStop()) return false;
      }
    }
    return true;
  }

  const std::string_view root_;
  const NameMatcher& matcher_;
  const FolderLister& lister_;
  IndexedListing& index_;
  const FolderIndex& kept_;
  StampsReadAhead& stamps_;
  FileWalkSink& sink_;
  const std::vector<std::uint32_t> below_;  // the kept folders below the root, in path order
  std::vector<std::uint32_t> chunk_starts_;  // chunk n matches below_[chunk_starts_[n]...chunk_starts_[n + 1])
  std::vector<std::uint32_t> chunk_of_;      // per position in below_
  std::vector<MatchedChunk> chunks_;
  std::vector<std::uint32_t> subfolders_start_;  // per position: where its kept subfolders begin in subfolders_
  std::vector<std::uint32_t> subfolders_;
  std::atomic<bool> changed_ = false;
  std::vector<std::uint32_t> walk_order_;
};

}  // namespace

UnchangedTreeWalk WalkUnchangedTree(std::string_view root, const NameMatcher& matcher, const FolderLister& lister,
                                    IndexedListing& index, FileWalkSink& sink, unsigned threads) {
  return UnchangedTree(root, matcher, lister, index, sink).Run(threads);
}

}  // namespace vorlix::app
