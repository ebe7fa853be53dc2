#include "app/search/walk/folder_roots.h"
#include "app/vorlix_find/find_platform_rules.h"
#include "platform/folder_listing.h"
#include "runtime/commands/drive_commands.h"

namespace vorlix::app {

std::vector<std::string> DefaultFindRoots() { return commands::GetDriveList(1); }

std::string_view FindPlatformHelp() {
  return "Without a ROOT it searches every fixed drive. Names files are UTF-8. A console shows every\n"
         "character; a pipe or a file gets UTF-8, whatever the console's code page.\n";
}

// Listing does not get faster with more threads under Wine; one thread
// ahead still overlaps listing with matching and writing.
unsigned FindListingThreads() { return 1; }

bool CollectFindRootFolders(const std::string& root, const FolderLister& lister, FolderCollectionSink& sink,
                            KeptListings* index) {
  return CollectRootFolders(root, [](const core::Text& path) { return platform::IsFolder(path); }, lister, sink,
                            index);
}

}  // namespace vorlix::app
