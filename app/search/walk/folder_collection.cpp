#include "app/search/walk/folder_collection.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vorlix::app {
namespace {

// The collection lists on one thread; a repeat collection spends its time
// on the folders' stamps, which are read ahead on threads of their own.
constexpr unsigned kStampReadingThreads = 2;

// A folder on the way down, with its subfolders still to be entered.
struct Level {
  std::string path;  // as given, without a closing separator added
  std::string listed_as;  // the path with the separator, as listed
  std::vector<std::string> subfolders;
  std::vector<bool> subfolder_is_link;
  std::size_t next = 0;
  bool through_link = false;  // a link, or below one
  bool identity_asked = false;
  std::optional<platform::FolderIdentity> identity;
};

class SubfolderList final : public KeyedEntryVisitor {
 public:
  SubfolderList(Level& level, FolderCollectionSink& sink) : level_(level), sink_(sink) {}
  bool stopped() const { return stopped_; }

 private:
  bool Visit(const platform::FolderEntry& entry) override {
    if (sink_.ShouldStop()) {
      stopped_ = true;
      return false;
    }
    if (entry.is_folder) {
      level_.subfolders.emplace_back(entry.name);
      level_.subfolder_is_link.push_back(entry.is_link);
    }
    return true;
  }

  Level& level_;
  FolderCollectionSink& sink_;
  bool stopped_ = false;
};

class DepthFirstCollection {
 public:
  DepthFirstCollection(const FolderLister& lister, FolderCollectionSink& sink, KeptListings* index)
      : lister_(lister), sink_(sink), index_(index) {}

  bool Run(std::string_view root) {
    sink_.OnFolder(root);
    const bool root_is_link = index_ != nullptr && lister_.IsLink(root);
    if (index_ && !root_is_link && !BeginThroughIndex(ListedAs(root, lister_))) return false;
    if (!Enter(std::string(root), root_is_link)) return false;
    const std::string walked = levels_.front().listed_as;
    if (!Descend()) return false;
    if (index_) index_->TreeWalked(walked);
    return true;
  }

 private:
  bool Descend() {
    while (!levels_.empty()) {
      Level& level = levels_.back();
      if (level.next == level.subfolders.size()) {
        const std::string finished = std::move(level.path);
        levels_.pop_back();
        if (!levels_.empty()) sink_.OnFolder(finished);
        continue;
      }
      const std::size_t at = level.next++;
      std::string path = level.listed_as + level.subfolders[at];
      const bool is_link = level.subfolder_is_link[at];
      const bool through_link = is_link || level.through_link;
      if (is_link && LeadsBackToAncestor(path)) {
        sink_.OnFolder(path);
      } else if (!Enter(std::move(path), through_link)) {
        return false;
      }
    }
    return true;
  }

  // False when stopped while the stamps below the root are read ahead.
  // The root's own stamp is among them.
  bool BeginThroughIndex(const std::string& root) {
    if (!index_->ReadStampsBelow(root, kStampReadingThreads, [this] { return sink_.ShouldStop(); })) return false;
    index_->BeginRoot(root);
    return true;
  }

  // Lists a folder and makes it the deepest level. False when stopped.
  bool Enter(std::string path, bool through_link) {
    if (sink_.ShouldStop()) return false;
    Level& level = levels_.emplace_back();
    level.path = std::move(path);
    level.through_link = through_link;
    level.listed_as = ListedAs(level.path, lister_);
    SubfolderList subfolders(level, sink_);
    const bool listed = index_ != nullptr && !through_link ? index_->List(level.listed_as, subfolders)
                                                           : lister_.List(level.listed_as, subfolders);
    if (!listed && levels_.size() == 1) sink_.OnRootNotListed(level.path);
    if (!listed && levels_.size() > 1) sink_.OnFolderNotListed(level.path);
    return !subfolders.stopped();
  }

  bool LeadsBackToAncestor(const std::string& link) {
    const auto target = lister_.Identify(link);
    if (!target) return false;
    for (Level& ancestor : levels_) {
      if (!ancestor.identity_asked) {
        ancestor.identity = lister_.Identify(ancestor.listed_as);
        ancestor.identity_asked = true;
      }
      if (ancestor.identity == target) return true;
    }
    return false;
  }

  const FolderLister& lister_;
  FolderCollectionSink& sink_;
  KeptListings* index_;
  std::vector<Level> levels_;
};

}  // namespace

bool CollectFolders(std::string_view root, const FolderLister& lister, FolderCollectionSink& sink,
                    KeptListings* index) {
  return DepthFirstCollection(lister, sink, index).Run(root);
}

}  // namespace vorlix::app
