#pragma once

#include <string_view>

#include "runtime/commands/file_commands.h"

namespace vorlix::commands {

// Adds the data at the end of the file in one write, never rewriting what
// is there; a missing or empty file is created and given
// `start_of_new_file` first. Others may read and append meanwhile. False
// when the file cannot be opened (another program holding it) or written.
bool AppendFile(std::string_view path, ByteSetView start_of_new_file, ByteSetView data);

// Makes every missing folder of the path. True when the path then names a
// folder; false when a part of it is a file or cannot be made.
bool MakeFolders(std::string_view path);

}  // namespace vorlix::commands
