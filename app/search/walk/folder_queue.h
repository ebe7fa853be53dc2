#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace vorlix::app {

// The folders of a breadth-first walk in the order they were queued, which
// is the order they are walked in: folder n is the n-th queued. Each keeps
// only its own name and its parent, so the queue costs little per folder
// and a path is put together when it is needed.
class FolderQueue {
 public:
  // `root` ends with the separator.
  FolderQueue(std::string root, char separator, bool root_is_link);

  // Queues a subfolder of `parent`; gives its number.
  std::uint32_t Add(std::uint32_t parent, std::string_view name, bool is_link);
  std::size_t size() const { return folders_.size(); }
  // The root has no parent: its own number, 0.
  std::uint32_t ParentOf(std::uint32_t folder) const { return folders_[folder].parent; }
  // Whether the folder is a link or lies below one.
  bool ThroughLink(std::uint32_t folder) const { return folders_[folder].through_link; }
  // The root's path, ending with the separator.
  std::string_view Root() const { return folders_.front().name; }
  // The folder's path, ending with the separator.
  void PathOf(std::uint32_t folder, std::string& path) const;

 private:
  struct Folder {
    std::uint32_t parent;
    bool through_link;
    std::string name;  // the root's is its whole path
  };
  std::deque<Folder> folders_;
  char separator_;
};

}  // namespace vorlix::app
