#include <algorithm>
#include <thread>

#include "app/vorlix_find/find_platform_rules.h"
#include "platform/folder_listing.h"

namespace vorlix::app {

std::vector<std::string> DefaultFindRoots() { return {"/"}; }

std::string_view FindPlatformHelp() {
  return "Without a ROOT it searches /. Names files are UTF-8; paths are printed as the file system holds them.\n";
}

// Linux lists folders in parallel well: one thread per core.
unsigned FindListingThreads() { return std::clamp(std::thread::hardware_concurrency(), 1u, 8u); }

bool CollectFindRootFolders(const std::string& root, const FolderLister& lister, FolderCollectionSink& sink,
                            KeptListings* index) {
  if (platform::IsFolder(root)) return CollectFolders(root, lister, sink, index);
  sink.OnRootNotListed(root);
  return true;
}

}  // namespace vorlix::app
