#pragma once

#include <string>

namespace vorlix::platform {

// Links, as a delete or a move must see them. Windows marks a symbolic
// link, a junction or a mount point with FILE_ATTRIBUTE_REPARSE_POINT. Wine
// marks a Unix link to a folder so, but a link to a file shows as the file
// itself, and every call on its path, DeleteFileW and MoveFileExW among
// them, reaches the file it points to. What gives either away is the
// final path: the system resolves a link to where it leads, which is not
// its own folder's resolved path followed by its name.

// Whether the item at `path` (a wide path the system can open) is a link
// of either kind. False when there is no item.
bool IsLink(const std::wstring& path);

// What a folder's tree holds that a delete or a move must never go
// through, looked at entry by entry without entering any link.
enum class TreeLinks {
  kNone,
  kFolderLink,  // a link to a folder (the shell follows it, and one leading back
                // up never ends)
  kFileLink,    // a link to a file (a reparse point, or a Unix link under Wine)
  kUnreadable,  // some folder of the tree could not be listed, so nothing can be
                // promised
};
// With `file_links_count` false only folder links are looked for: a copy
// reads through a link to a file and changes nothing.
TreeLinks LinksInTree(const std::wstring& folder, bool file_links_count);

}  // namespace vorlix::platform
