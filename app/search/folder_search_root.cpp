#include "app/search/folder_search_root.h"

namespace vorlix::app {

FolderRootUse UseOfWindowsFolderRoot(std::string& root, const std::function<bool(std::string_view)>& is_folder) {
  if (root.find(':') == std::string::npos) {
    if (root.size() != 1) return is_folder(root) ? FolderRootUse::kAlone : FolderRootUse::kRefused;
    root += ':';
  }
  return is_folder(root) ? FolderRootUse::kWalked : FolderRootUse::kRefused;
}

}  // namespace vorlix::app
