#include "app/search/folder_index_use.h"

#include <memory>

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "app/search/walk/folder_lister.h"
#include "platform/listing_identity.h"
#include "platform/user_cache.h"

namespace vorlix::app {
namespace {

// None when the user has no local application data folder to keep it in:
// searches then walk every folder.
FolderIndexStore* Store() {
  static const std::unique_ptr<FolderIndexStore> store = [] {
    const std::string file = FolderIndexFile();
    return file.empty() ? nullptr
                        : std::make_unique<FolderIndexStore>(file, FolderIndexFormatOf(SystemFolderLister()));
  }();
  return store.get();
}

}  // namespace

// Beside the program the index would show one user's folder names to every
// user of that folder, and where the program folder is not writable (under
// Program Files) nothing could be kept. An elevated run, which may list
// folders a normal run may not, keeps one of its own, so that the two do
// not replace each other's; the file records who listed it as well.
std::string FolderIndexFile() {
  return platform::UserCacheFile(platform::ThisProcessListingIdentity().elevated ? "folderindex-elevated.dat"
                                                                                 : "folderindex.dat");
}

void ShowFolderIndexUse(bool on) {
  SetMenuChecked(main_window::menu::使用文件夹索引, on);
  if (Store() == nullptr) return;
  if (on) {
    Store()->StartLoading();
  } else {
    Store()->Forget();
  }
}

bool FolderIndexOn() { return IsMenuChecked(main_window::menu::使用文件夹索引); }

FolderIndexStore* FolderIndexForSearch() { return FolderIndexOn() ? Store() : nullptr; }

void FinishFolderIndex() {
  if (Store() != nullptr) Store()->Finish();
}

core::HandlerResult ClearFolderIndex(std::span<const core::Value>) {
  if (Store() != nullptr) Store()->Clear();
  return std::nullopt;
}

}  // namespace vorlix::app
