#include "app/search/file_walk.h"

#include <optional>
#include <string>
#include <unordered_map>

#include "app/search/folder_queue.h"
#include "app/search/folder_reading.h"

namespace vorlix::app {
namespace {

std::string WalkedRoot(std::string_view root, const FolderLister& lister) {
  std::string walked(root);
  if (!EndsWithSeparator(walked, lister.separator(), lister.encoding())) walked += lister.separator();
  return walked;
}

class BreadthFirstWalk {
 public:
  BreadthFirstWalk(std::string_view root, const NameMatcher& matcher, const FolderLister& lister, FileWalkSink& sink)
      : lister_(lister), sink_(sink), queue_(WalkedRoot(root, lister), lister.separator()), reader_(matcher, lister) {}

  bool Run() {
    const std::function<bool()> should_stop = [this] { return sink_.ShouldStop(); };
    for (std::uint32_t folder = 0; folder < queue_.size(); ++folder) {
      queue_.PathOf(folder, path_);
      if (!reader_.Read(path_, contents_, should_stop)) return false;
      if (!TakeIn(folder)) return false;
    }
    return true;
  }

 private:
  struct KnownIdentity {
    bool asked = false;
    std::optional<platform::FolderIdentity> identity;
  };

  // Queues the subfolders of the folder just listed and gives the rows of
  // its matched files. False when stopped.
  bool TakeIn(std::uint32_t folder) {
    for (const auto& subfolder : contents_.subfolders) {
      const std::string_view name = contents_.Name(subfolder.name_at, subfolder.name_size);
      if (subfolder.is_link && LeadsBackToAncestor(folder, name)) continue;
      queue_.Add(folder, name);
    }
    if (sink_.ShouldStop()) return false;
    std::uint32_t keyword = 0;
    for (const auto& file : contents_.files) {
      const std::string_view name = contents_.Name(file.name_at, file.name_size);
      for (; keyword < file.keywords_end; ++keyword) sink_.OnRow(path_, name, contents_.keywords[keyword]);
      if (sink_.ShouldStop()) return false;
    }
    return true;
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

  const FolderLister& lister_;
  FileWalkSink& sink_;
  FolderQueue queue_;
  FolderReader reader_;
  FolderContents contents_;
  std::string path_;
  std::unordered_map<std::uint32_t, KnownIdentity> identities_;
};

}  // namespace

bool WalkFiles(std::string_view root, const NameMatcher& matcher, const FolderLister& lister, FileWalkSink& sink,
               const FileWalkOptions&) {
  return BreadthFirstWalk(root, matcher, lister, sink).Run();
}

}  // namespace vorlix::app
