#include "app/search/walk/file_walk.h"

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "app/search/walk/folder_queue.h"
#include "app/search/walk/folder_reading.h"
#include "app/search/walk/listing_ahead.h"

namespace vorlix::app {
namespace {

class BreadthFirstWalk {
 public:
  BreadthFirstWalk(std::string_view root, const NameMatcher& matcher, const FolderLister& lister, FileWalkSink& sink,
                   KeptListings* index, bool every_file)
      : root_(root),
        matcher_(matcher),
        lister_(lister),
        sink_(sink),
        index_(index),
        every_file_(every_file),
        queue_(ListedAs(root, lister), lister.separator(), index != nullptr && lister.IsLink(root)) {}

  bool Run(unsigned listing_threads) {
    // Below a root that is a link every folder is listed; no stamp is asked.
    if (index_ && !queue_.ThroughLink(0)) {
      index_->BeginRoot(queue_.Root());
      switch (index_->WalkUnchanged(queue_.Root(), matcher_, lister_, sink_, listing_threads)) {
        case UnchangedTreeWalk::kStopped:
          return false;
        case UnchangedTreeWalk::kWalked:
          index_->TreeWalked(queue_.Root());
          return true;
        case UnchangedTreeWalk::kChanged:
          break;
      }
      if (!index_->ReadStampsBelow(queue_.Root(), listing_threads, [this] { return sink_.ShouldStop(); })) {
        return false;
      }
    }
    if (!Walk(listing_threads)) return false;
    if (index_) index_->TreeWalked(queue_.Root());
    return true;
  }

 private:
  bool Walk(unsigned listing_threads) {
    const std::function<bool()> should_stop = [this] { return sink_.ShouldStop(); };
    if (listing_threads > 0) return WalkAhead(listing_threads, should_stop);
    FolderReader reader(matcher_, lister_, index_, every_file_);
    FolderContents contents;
    for (std::uint32_t folder = 0; folder < queue_.size(); ++folder) {
      queue_.PathOf(folder, path_);
      if (!reader.Read(path_, queue_.ThroughLink(folder), contents, should_stop)) return false;
      if (!TakeIn(folder, contents)) return false;
    }
    return true;
  }

  bool WalkAhead(unsigned listing_threads, const std::function<bool()>& should_stop) {
    ListingAhead ahead(queue_, matcher_, lister_, index_, listing_threads, every_file_);
    ahead_ = &ahead;
    for (std::uint32_t folder = 0; folder < queue_.size(); ++folder) {
      const FolderContents* contents = ahead.Wait(folder, should_stop);
      if (!contents) return false;
      ahead.TakePath(folder, path_);
      if (!TakeIn(folder, *contents)) return false;
      ahead.Done(folder);
    }
    return true;
  }

  struct KnownIdentity {
    bool asked = false;
    std::optional<platform::FolderIdentity> identity;
  };

  // Queues the subfolders of the folder just listed and gives the rows of
  // its matched files. False when stopped.
  bool TakeIn(std::uint32_t folder, const FolderContents& contents) {
    if (!contents.listed) ToldNotListed(folder);
    for (const auto& subfolder : contents.subfolders) {
      const std::string_view name = contents.Name(subfolder.name_at, subfolder.name_size);
      if (subfolder.is_link && LeadsBackToAncestor(folder, name)) continue;
      if (ahead_) {
        ahead_->Add(folder, name, subfolder.is_link);
      } else {
        queue_.Add(folder, name, subfolder.is_link);
      }
    }
    if (ahead_) ahead_->Publish();
    if (sink_.ShouldStop()) return false;
    std::uint32_t keyword = 0;
    for (const auto& file : contents.files) {
      const std::string_view name = contents.LoweredName(file);
      const std::string_view name_on_disk = contents.NameOnDisk(file);
      if (every_file_) sink_.OnFile(path_, name_on_disk);
      for (; keyword < file.keywords_end; ++keyword) {
        sink_.OnRow(path_, name, name_on_disk, contents.keywords[keyword]);
      }
      if (sink_.ShouldStop()) return false;
    }
    return true;
  }

  void ToldNotListed(std::uint32_t folder) {
    if (folder == 0) return sink_.OnRootNotListed(root_);
    sink_.OnFolderNotListed(std::string_view(path_).substr(0, path_.size() - 1));
  }

  // Ordinary folders never get here: identities are asked for only when a
  // link is met, and then once per ancestor.
  bool LeadsBackToAncestor(std::uint32_t folder, std::string_view link_name) {
    const auto target = lister_.Identify(path_ + std::string(link_name));
    if (!target) return false;
    for (std::uint32_t ancestor = folder;; ancestor = queue_.ParentOf(ancestor)) {
      if (IdentityOf(ancestor) == target) return true;
      if (ancestor == 0) return false;
    }
  }

  const std::optional<platform::FolderIdentity>& IdentityOf(std::uint32_t folder) {
    KnownIdentity& known = identities_[folder];
    if (!known.asked) {
      std::string path;
      queue_.PathOf(folder, path);
      known = {true, lister_.Identify(path)};
    }
    return known.identity;
  }

  std::string_view root_;
  const NameMatcher& matcher_;
  const FolderLister& lister_;
  FileWalkSink& sink_;
  KeptListings* index_;
  const bool every_file_;
  FolderQueue queue_;
  ListingAhead* ahead_ = nullptr;
  std::string path_;
  std::unordered_map<std::uint32_t, KnownIdentity> identities_;
};

}  // namespace

bool WalkFiles(std::string_view root, const NameMatcher& matcher, const FolderLister& lister, FileWalkSink& sink,
               const FileWalkOptions& options) {
  return BreadthFirstWalk(root, matcher, lister, sink, options.index, options.every_file).Run(options.listing_threads);
}

}  // namespace vorlix::app
