#include "runtime/commands/file_append_command.h"

#include "platform/file_append.h"
#include "platform/folder_making.h"

namespace vorlix::commands {

bool AppendFile(std::string_view path, ByteSetView start_of_new_file, ByteSetView data) {
  return platform::AppendToFile(path, start_of_new_file, data);
}

bool MakeFolders(std::string_view path) { return platform::MakeFolderPath(path); }

}  // namespace vorlix::commands
