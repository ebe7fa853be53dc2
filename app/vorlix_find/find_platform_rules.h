#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/search/walk/folder_collection.h"

namespace vorlix::app {

// Where vorlix-find looks when no ROOT is given: the fixed drives on
// Windows, "/" elsewhere.
std::vector<std::string> DefaultFindRoots();

// The lines of --help that differ by system: where it looks without a
// ROOT, and how names and output are encoded.
std::string_view FindPlatformHelp();

// How many threads list folders ahead of the rows.
unsigned FindListingThreads();

// The folders of one root of the folder-name search: on Windows with the
// window's drive-letter rule; elsewhere an existing folder is collected
// and anything else gives nothing. Listed through `index` when given.
// False when stopped.
bool CollectFindRootFolders(const std::string& root, const FolderLister& lister, FolderCollectionSink& sink,
                            KeptListings* index);

}  // namespace vorlix::app
