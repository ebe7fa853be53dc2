#include "app/search/suggestions/walked_files.h"

#include <limits>

namespace vorlix::app {
namespace {

// Gives the files of kept entries, the folders left out.
class KeptFiles final : public KeyedEntryVisitor {
 public:
  KeptFiles(std::string_view folder, const WalkedFiles::Visit& visit) : folder_(folder), visit_(visit) {}
  bool Visit(const platform::FolderEntry& entry) override { return entry.is_folder || visit_(folder_, entry.name); }

 private:
  std::string_view folder_;
  const WalkedFiles::Visit& visit_;
};

std::size_t KeptFileCount(const KeptEntries& kept) {
  std::size_t files = 0;
  const WalkedFiles::Visit count = [&files](std::string_view, std::string_view) { return ++files, true; };
  KeptFiles counting({}, count);
  packed_entries::Replay(kept.entries, counting);
  return files;
}

}  // namespace

void WalkedFiles::StartRun(std::string_view folder, std::uint32_t kept) {
  const std::size_t block = blocks_.empty() ? 0 : blocks_.size() - 1;
  const std::size_t at = blocks_.empty() ? 0 : blocks_.back().size();
  runs_.push_back({folders_.size(), folder.size(), name_sizes_.size(), block, at, name_sizes_.size(), kept});
  folders_.append(folder);
}

// A name longer than a size field holds is not one any file system gives;
// it is left out rather than cut.
void WalkedFiles::AddFile(std::string_view folder, std::string_view name_on_disk) {
  if (name_on_disk.size() > std::numeric_limits<std::uint16_t>::max()) return;
  if (runs_.empty() || runs_.back().kept != kListed ||
      std::string_view(folders_).substr(runs_.back().folder_at, runs_.back().folder_size) != folder) {
    StartRun(folder, kListed);
  }
  // A name never straddles two blocks: one that does not fit starts the next.
  if (blocks_.empty() || blocks_.back().size() + name_on_disk.size() > kBlockBytes) {
    blocks_.emplace_back().reserve(kBlockBytes);
  }
  blocks_.back().append(name_on_disk);
  name_sizes_.push_back(static_cast<std::uint16_t>(name_on_disk.size()));
  runs_.back().end_name = name_sizes_.size();
  ++files_;
}

void WalkedFiles::AddKeptFolder(std::string_view folder, const KeptEntries& kept) {
  StartRun(folder, static_cast<std::uint32_t>(kept_.size()));
  kept_.push_back(kept);
  files_ += KeptFileCount(kept);
}

void WalkedFiles::Clear() { *this = WalkedFiles(); }

bool WalkedFiles::ForEach(const Visit& visit) const {
  for (const Run& run : runs_) {
    const std::string_view folder = std::string_view(folders_).substr(run.folder_at, run.folder_size);
    if (run.kept != kListed) {
      KeptFiles files(folder, visit);
      if (!packed_entries::Replay(kept_[run.kept].entries, files)) return false;
      continue;
    }
    std::size_t block = run.block;
    std::size_t at = run.names_at;
    for (std::size_t name = run.first_name; name < run.end_name; ++name) {
      if (at + name_sizes_[name] > blocks_[block].size()) {
        ++block;
        at = 0;
      }
      if (!visit(folder, std::string_view(blocks_[block]).substr(at, name_sizes_[name]))) return false;
      at += name_sizes_[name];
    }
  }
  return true;
}

}  // namespace vorlix::app
