#pragma once

#include <optional>
#include <string_view>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// Where copy and move keeping the folders put an item: below the target,
// at the item's path relative to the search root that found it.
// - Below a folder root it is the part after the root: D:\Photos\2019\a.jpg
//   found from D:\Photos is 2019\a.jpg.
// - Below a drive root (C:, C:\, or C as the folder-name search takes it)
//   the drive letter, in capitals, is the first folder: C\Users\a.txt, so
//   that the items of several drives never meet.
// - The root itself, which a folder-name search finds when its own name
//   matches, is its own name: Photos, or C for a drive.
// None when the path does not lie below the root. Backslashes that end the
// root or the path do not count; a GBK trail byte equal to the backslash
// is no separator.
std::optional<core::Text> PathBelowRoot(std::string_view path, std::string_view root);

// The folder into which the item goes: the target folder (with or without
// its closing backslash), then the folders of the item's path below the
// root, ending with a backslash. None when the path is not below the root.
std::optional<core::Text> KeptFolderFor(std::string_view path, std::string_view root, std::string_view target);

}  // namespace vorlix::app
