#include "app/search/folder_roots.h"
#include "app/vorlix_find/find_platform_rules.h"
#include "platform/folder_listing.h"
#include "runtime/commands/drive_commands.h"

namespace vorlix::app {

std::vector<std::string> DefaultFindRoots() { return commands::GetDriveList(1); }

// Listing does not get faster with more threads under Wine; one thread
// ahead still overlaps listing with matching and writing.
unsigned FindListingThreads() { return 1; }

bool CollectFindRootFolders(const std::string& root, const FolderLister& lister, FolderCollectionSink& sink,
                            IndexedListing* index) {
  return CollectRootFolders(root, [](const core::Text& path) { return platform::IsFolder(path); }, lister, sink,
                            index);
}

}  // namespace vorlix::app
