#include "runtime/commands/save_file_dialog_command.h"

#include "platform/save_file_dialog.h"
#include "runtime/commands/window_handle_integer.h"

namespace vorlix::commands {

core::Text ChooseSaveFile(std::int32_t owner, std::string_view title, std::string_view default_name,
                          std::string_view filter_name, std::string_view pattern, std::string_view extension) {
  return platform::ChooseSaveFilePath({.owner = static_cast<std::intptr_t>(NativeWindowOf(owner)),
                                       .title = title,
                                       .default_name = default_name,
                                       .filter_name = filter_name,
                                       .pattern = pattern,
                                       .extension = extension});
}

}  // namespace vorlix::commands
