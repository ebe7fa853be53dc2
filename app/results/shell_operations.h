#pragma once

#include <cstdint>

#include "runtime/commands/shell_file_commands.h"
#include "runtime/core/values/value.h"

namespace vorlix::app {

// The shell's file operations and the flag words that the buttons use.
enum ShellOperation : std::int32_t { kMoveOperation = 1, kCopyOperation = 2, kDeleteOperation = 3 };
// FOF_SILENT and FOF_NOCONFIRMATION: no progress window, every question
// answered yes, so an item of the same name is replaced.
inline constexpr std::int32_t kReplaceQuietly = 0x14;
// And FOF_RENAMEONCOLLISION: the new item takes a free name instead.
inline constexpr std::int32_t kRenameQuietly = 0x1C;
// And FOF_ALLOWUNDO: deleted items go to the recycle bin.
inline constexpr std::int32_t kDeleteToRecycleBin = 0x54;

// One call of the shell's file operation for one path, through the
// program's external functions. True when the item ended where it was
// asked to go (looked at on the disk, not taken from the shell's word);
// with kRenameQuietly nothing is replaced and nothing copied onto itself
// is emptied. When `outcome` is given it says where the item went, or why
// it did not. With `check_copy` each copied file counts only once it is read
// back and found the same as its source.
bool ShellFileOperation(std::int32_t owner, std::int32_t operation, const core::Text& source,
                        const core::Text& target, std::int32_t flags,
                        commands::FileOperationOutcome* outcome = nullptr, bool check_copy = false);

// The shell's folder dialog owned by the window handle: with the new style
// and an edit field when asked (BIF_NEWDIALOGSTYLE | BIF_EDITBOX), file-system
// folders only otherwise. The chosen folder's path without a trailing
// backslash (a drive root keeps its own, D:\), whatever its length; empty
// on cancel or for a choice that has no file-system path.
core::Text ChooseFolder(std::int32_t owner, const core::Text& title, bool new_style);

}  // namespace vorlix::app
