#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/search/walk/folder_lister.h"
#include "app/search/walk/kept_listings.h"
#include "app/search/names/name_matcher.h"

namespace vorlix::app {

// What one listing of a folder gives a file walk: its subfolders, and those
// of its files that matched, lowered and as on disk, with their keywords.
// Files that match nothing are not kept.
struct FolderContents {
  struct Subfolder {
    std::uint32_t name_at;
    std::uint32_t name_size;
    bool is_link;
  };
  // Lowering changes single bytes only, so the name as on disk has the
  // lowered name's size and is kept right after it.
  struct MatchedFile {
    std::uint32_t name_at;
    std::uint32_t name_size;
    std::uint32_t keywords_end;  // its keywords end here in `keywords`; the previous file's end is where they start
  };

  void Clear();
  std::string_view Name(std::uint32_t at, std::uint32_t size) const { return std::string_view(names).substr(at, size); }
  std::string_view LoweredName(const MatchedFile& file) const { return Name(file.name_at, file.name_size); }
  std::string_view NameOnDisk(const MatchedFile& file) const {
    return Name(file.name_at + file.name_size, file.name_size);
  }

  std::string names;
  bool listed = false;  // false when the folder could not be listed whole
  std::vector<Subfolder> subfolders;
  std::vector<MatchedFile> files;
  std::vector<std::uint32_t> keywords;
};

// Lists folders into FolderContents, lowering and matching each file name
// as it comes, through the folder index when there is one. One per thread.
// With `every_file` the contents keep the files that match nothing too
// (with no keywords).
class FolderReader final : private KeyedEntryVisitor {
 public:
  FolderReader(const NameMatcher& matcher, const FolderLister& lister, KeptListings* index, bool every_file = false)
      : matcher_(matcher),
        lister_(lister),
        index_(index),
        keys_fit_(matcher.encoding() == lister.encoding()),
        every_file_(every_file) {}

  // Replaces `contents` with the listing of `folder`; a folder reached
  // through a link never comes from the index. `should_stop` is polled at
  // every entry; false when it said stop.
  bool Read(std::string_view folder, bool through_link, FolderContents& contents,
            const std::function<bool()>& should_stop);
  // Adds to `contents` the entries of a kept folder, which `replay` gives
  // the visitor it is handed, as Read gives them, so that one
  // FolderContents can hold several folders back to back; false when
  // stopped or when `replay` gives false (its entries not whole), some of
  // them added. `stopping` is read at every entry, as cheaply as a flag is.
  template <class Replay>
  bool AppendKept(Replay&& replay, FolderContents& contents, const std::atomic<bool>& stopping) {
    StartAppending(contents, stopping);
    return replay(static_cast<KeyedEntryVisitor&>(*this)) && !stopped_;
  }

 private:
  bool Visit(const platform::FolderEntry& entry) override { return Take(entry, nullptr); }
  bool VisitKeyed(const platform::FolderEntry& entry, const NameKeys& keys) override;
  // `keys`, when they fit, spare the lookups they rule out.
  bool Take(const platform::FolderEntry& entry, const NameKeys* keys);
  void StartAppending(FolderContents& contents, const std::atomic<bool>& stopping);
  bool ShouldStop();
  std::uint32_t AddName(std::string_view name);

  const NameMatcher& matcher_;
  const FolderLister& lister_;
  KeptListings* index_;
  // Keys are made with the lister's encoding; with another they tell nothing.
  const bool keys_fit_;
  const bool every_file_;
  NameMatcher::Scratch scratch_;
  LoweredName lowered_;
  std::vector<std::uint32_t> matched_;
  FolderContents* contents_ = nullptr;
  const std::function<bool()>* should_stop_ = nullptr;
  const std::atomic<bool>* stopping_ = nullptr;  // instead of should_stop_ when set
  bool stopped_ = false;
};

}  // namespace vorlix::app
