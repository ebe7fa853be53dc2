#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlix::platform {

// The shell functions the folder chooser calls, as the caller resolved them.
struct FolderChooserEntries {
  void* browse = nullptr;     // SHBrowseForFolderW
  void* path_of = nullptr;    // SHGetPathFromIDListEx
  void* free_item = nullptr;  // ILFree
};

// Shows the shell's folder dialog owned by the window (0: none), rooted at
// the desktop, with the GBK title and the BIF_ flags, and waits for it.
// Gives the chosen folder's path whatever its length, empty on cancel or
// for a choice without a file-system path.
std::string ChooseFolderPath(const FolderChooserEntries& entries, std::intptr_t owner, std::string_view gbk_title,
                             std::uint32_t flags);

}  // namespace vorlix::platform
