#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/native_window.h"

namespace vorlix::platform {

// Shows the shell's folder dialog, rooted at the desktop, with the GBK prompt
// and an edit field for typing a path; files are listed too when asked. The
// active window owns the dialog. The given windows (the program's top-level
// windows) are disabled while it shows and afterwards each is enabled again
// or left disabled as it was; the foreground and the active window are then
// restored when they still exist. Gives the chosen item's file-system path,
// empty on cancel or for an item without a path.
std::string BrowseForFolder(std::string_view gbk_prompt, bool include_files,
                            std::span<const WindowHandle> program_windows);

}  // namespace vorlix::platform
