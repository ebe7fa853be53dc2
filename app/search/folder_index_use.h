#pragma once

#include <span>
#include <string>

#include "app/search/index/folder_index_store.h"
#include "runtime/core/events/event_dispatch.h"

namespace vorlix::app {

// The window's folder index, in the user's local application data folder
// (see FolderIndexFile), used while the entry 使用文件夹索引 of the folder
// list's menu is checked.

// The index file: folderindex.dat in the folder "vorlix" of the user's
// local application data, folderindex-elevated.dat for an elevated run;
// empty when there is no such folder.
std::string FolderIndexFile();

// Checks or unchecks the entry; on, the index starts loading in the
// background, off, it is let go. Window thread.
void ShowFolderIndexUse(bool on);
bool FolderIndexOn();

// The index for a search about to start; nothing while it is off. Window
// thread; the store itself may then be used from any thread.
FolderIndexStore* FolderIndexForSearch();

// Waits until what searches kept is written; at the end of the program.
void FinishFolderIndex();

// The entry 清除文件夹索引: empties the index and its file.
core::HandlerResult ClearFolderIndex(std::span<const core::Value> arguments);

}  // namespace vorlix::app
