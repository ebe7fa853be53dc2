#include "app/search/folder_index_use.h"

#include "app/mainwindow/main_window_access.h"
#include "app/mainwindow/main_window_units.h"
#include "runtime/commands/file_commands.h"

namespace vorlix::app {
namespace {

constexpr const char* kIndexFileName = "\\folderindex.dat";

// The path is built anew from the program's folder at every use, as the
// settings files' are; a store of another folder is finished and let go.
FolderIndexStore& Store() {
  static std::unique_ptr<FolderIndexStore> store;
  static std::string file;
  const std::string now = commands::GetRunDirectory() + kIndexFileName;
  if (!store || now != file) {
    store.reset();
    file = now;
    store = std::make_unique<FolderIndexStore>(file, FolderIndexFormat{'\\', NameEncoding::kGbk});
  }
  return *store;
}

}  // namespace

void ShowFolderIndexUse(bool on) {
  SetMenuChecked(main_window::menu::使用文件夹索引, on);
  if (on) {
    Store().StartLoading();
  } else {
    Store().Forget();
  }
}

bool FolderIndexOn() { return IsMenuChecked(main_window::menu::使用文件夹索引); }

FolderIndexStore* FolderIndexForSearch() { return FolderIndexOn() ? &Store() : nullptr; }

void FinishFolderIndex() { Store().Finish(); }

core::HandlerResult ClearFolderIndex(std::span<const core::Value>) {
  Store().Clear();
  return std::nullopt;
}

}  // namespace vorlix::app
