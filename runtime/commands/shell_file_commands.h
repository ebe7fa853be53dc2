#pragma once

#include <cstdint>

#include "platform/folder_chooser.h"
#include "platform/folder_window.h"
#include "platform/shell_file_operation.h"
#include "runtime/core/values/value.h"

namespace vorlix::commands {

// Shell operations that the application reaches through its own table of
// external functions: it resolves the shell's wide functions there and
// hands their entries in. Paths are the system's GBK texts, widened with
// its own codec, so that names outside the ANSI code page survive.

using FileOperationOutcome = platform::FileOperationOutcome;
using FileOperationFailure = platform::FileOperationFailure;

// Copies (operation 2) or moves (1) the file or folder into the target
// folder, or deletes it (3), with the shell's FOF_ flags, through
// SHFileOperationW. True when it ended where it was asked to go, as looked
// at on the disk: never by replacing an item when FOF_RENAMEONCOLLISION
// asks for a new name (the platform then picks "name (2).ext" and up
// itself), never by emptying an item copied onto itself. When `outcome` is
// given it says where the item went, or why it did not. With `check_copy`
// every copied file is read back and compared with its source before it
// counts (platform::RunFileOperation).
bool ShellFileOperation(void* sh_file_operation_w, std::int32_t owner, std::int32_t operation,
                        const core::Text& source, const core::Text& target, std::int32_t flags,
                        FileOperationOutcome* outcome = nullptr, bool check_copy = false);

// The bytes of the file, or of every file in the folder's tree.
std::uint64_t ItemBytes(const core::Text& path);

using FolderChooserEntries = platform::FolderChooserEntries;
// The shell's folder dialog with the title and BIF_ flags, owned by the
// window handle; the chosen folder's path whatever its length, empty on
// cancel or for a choice without a file-system path.
core::Text ShellChooseFolder(const FolderChooserEntries& entries, std::int32_t owner, const core::Text& title,
                             std::int32_t flags);

using FolderWindowEntries = platform::FolderWindowEntries;
// A file-manager window on the path's folder with the item selected; false
// when the shell cannot make an item of the path.
bool ShellShowInFolder(const FolderWindowEntries& entries, const core::Text& path);

}  // namespace vorlix::commands
