#pragma once

#include <string>
#include <vector>

#include "app/search/folder_search_root.h"

namespace vorlix::app {

// Where vorlix-find looks when no ROOT is given: the fixed drives on
// Windows, "/" elsewhere.
std::vector<std::string> DefaultFindRoots();

// How many threads list folders ahead of the rows.
unsigned FindListingThreads();

// How the folder-name search uses a root: the drive-letter rule on
// Windows; elsewhere an existing folder is walked and anything else
// refused. May complete the root (C becomes C:).
FolderRootUse UseOfFindFolderRoot(std::string& root);

}  // namespace vorlix::app
