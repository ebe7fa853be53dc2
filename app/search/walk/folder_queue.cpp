#include "app/search/walk/folder_queue.h"

#include <algorithm>
#include <utility>

namespace vorlix::app {

FolderQueue::FolderQueue(std::string root, char separator, bool root_is_link) : separator_(separator) {
  folders_.push_back({0, root_is_link, std::move(root)});
}

std::uint32_t FolderQueue::Add(std::uint32_t parent, std::string_view name, bool is_link) {
  folders_.push_back({parent, is_link || folders_[parent].through_link, std::string(name)});
  return static_cast<std::uint32_t>(folders_.size() - 1);
}

// Two climbs to the root, the first for the length and the second filling
// the path from its end: no scratch memory, which listing threads would
// otherwise have to keep per thread.
void FolderQueue::PathOf(std::uint32_t folder, std::string& path) const {
  std::size_t size = folders_[0].name.size();
  for (std::uint32_t at = folder; at != 0; at = folders_[at].parent) size += folders_[at].name.size() + 1;
  path.resize(size);
  std::size_t end = size;
  for (std::uint32_t at = folder; at != 0; at = folders_[at].parent) {
    path[--end] = separator_;
    const std::string& name = folders_[at].name;
    end -= name.size();
    std::copy(name.begin(), name.end(), path.begin() + static_cast<std::ptrdiff_t>(end));
  }
  std::copy(folders_[0].name.begin(), folders_[0].name.end(), path.begin());
}

}  // namespace vorlix::app
