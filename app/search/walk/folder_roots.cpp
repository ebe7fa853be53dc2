#include "app/search/walk/folder_roots.h"

namespace vorlix::app {

bool CollectRootFolders(core::Text root, const IsDirectoryTest& is_directory, const FolderLister& lister,
                        FolderCollectionSink& sink, KeptListings* index) {
  if (root.find(':') == core::Text::npos) {
    if (root.size() != 1) {
      if (is_directory(root)) {
        sink.OnFolder(root);
      } else {
        sink.OnRootNotListed(root);
      }
      return !sink.ShouldStop();
    }
    root += ':';
  }
  if (!is_directory(root)) {
    sink.OnRootNotListed(root);
    return !sink.ShouldStop();
  }
  return CollectFolders(root, lister, sink, index);
}

}  // namespace vorlix::app
