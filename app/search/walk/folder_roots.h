#pragma once

#include <functional>
#include <string_view>

#include "app/search/walk/folder_collection.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// Whether a path names an existing folder, as the system answers it.
using IsDirectoryTest = std::function<bool(const core::Text& path)>;

// The folders of one root of the folder-name search. A root without a
// colon is a drive letter when it is one character long (C becomes C:);
// any other such root (a network path, say) is given alone, without a
// walk, when it names a folder. A root that names no folder gives nothing;
// any other is collected with everything below it, through `index` when
// given. False when stopped.
bool CollectRootFolders(core::Text root, const IsDirectoryTest& is_directory, const FolderLister& lister,
                        FolderCollectionSink& sink, KeptListings* index = nullptr);

}  // namespace vorlix::app
