#pragma once

#include <string_view>

#include "app/search/walk/folder_lister.h"
#include "app/search/walk/kept_listings.h"

namespace vorlix::app {

// Where the folders of a collection go, and who decides that it stops.
class FolderCollectionSink {
 public:
  virtual void OnFolder(std::string_view path) = 0;
  // Polled at every folder and every listed entry; true ends the
  // collection at once.
  virtual bool ShouldStop() = 0;
  // The root names no folder, or could not be listed whole.
  virtual void OnRootNotListed(std::string_view) {}
  // A folder below the root could not be listed whole; it was given all
  // the same.
  virtual void OnFolderNotListed(std::string_view) {}

 protected:
  ~FolderCollectionSink() = default;
};

// Gives `root` exactly as written, then every folder below it depth first,
// each after its own subfolders, siblings in listing order. A folder's path
// is its parent's path, a separator unless the parent's path already ends
// with one, and its name, with no closing separator. A link that leads back
// to one of its own ancestors is given but not entered. A folder that
// cannot be listed gives itself and nothing below it, and is told to the
// sink, as is one whose listing failed on the way, after what was read of
// it. Iterative, so a deep tree cannot exhaust the stack. Folders are
// listed through `index` when given; a collection that was not stopped
// tells it the tree was walked. False when stopped.
bool CollectFolders(std::string_view root, const FolderLister& lister, FolderCollectionSink& sink,
                    KeptListings* index = nullptr);

}  // namespace vorlix::app
