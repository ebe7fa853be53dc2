#include "app/search/folder_queue.h"

#include <utility>
#include <vector>

namespace vorlix::app {

FolderQueue::FolderQueue(std::string root, char separator) : separator_(separator) {
  folders_.push_back({0, std::move(root)});
}

std::uint32_t FolderQueue::Add(std::uint32_t parent, std::string_view name) {
  folders_.push_back({parent, std::string(name)});
  return static_cast<std::uint32_t>(folders_.size() - 1);
}

void FolderQueue::PathOf(std::uint32_t folder, std::string& path) const {
  thread_local std::vector<std::uint32_t> chain;
  chain.clear();
  for (std::uint32_t at = folder; at != 0; at = folders_[at].parent) chain.push_back(at);
  path = folders_[0].name;
  for (auto at = chain.rbegin(); at != chain.rend(); ++at) {
    path += folders_[*at].name;
    path += separator_;
  }
}

}  // namespace vorlix::app
