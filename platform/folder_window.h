#pragma once

#include <string_view>

namespace vorlix::platform {

// The shell functions that open a folder window, as the caller resolved them.
struct FolderWindowEntries {
  void* item_of_path = nullptr;  // ILCreateFromPathW
  void* open_folder = nullptr;   // SHOpenFolderAndSelectItems
  void* free_item = nullptr;     // ILFree
};

// Opens a file-manager window on the folder of the GBK path with that item
// selected. False when the shell cannot make an item of the path.
bool ShowInFolder(const FolderWindowEntries& entries, std::string_view gbk_path);

}  // namespace vorlix::platform
