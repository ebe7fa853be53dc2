#include "app/results/shell_operations.h"

#include "app/mainwindow/external_function_declarations.h"
#include "runtime/commands/shell_file_commands.h"
#include "runtime/core/program/external_functions.h"

namespace vorlix::app {
namespace {

constexpr std::int32_t kNewStyleWithEditField = 0x40 | 0x10;
constexpr std::int32_t kFileSystemFoldersOnly = 0x1;

}  // namespace

bool ShellFileOperation(std::int32_t owner, std::int32_t operation, const core::Text& source,
                        const core::Text& target, std::int32_t flags, commands::FileOperationOutcome* outcome,
                        bool check_copy) {
  return commands::ShellFileOperation(core::ExternalFunctionEntry(kShFileOperationW), owner, operation, source,
                                      target, flags, outcome, check_copy);
}

core::Text ChooseFolder(std::int32_t owner, const core::Text& title, bool new_style) {
  const commands::FolderChooserEntries entries{
      .browse = core::ExternalFunctionEntry(kShBrowseForFolderW),
      .path_of = core::ExternalFunctionEntry(kShGetPathFromIdListEx),
      .free_item = core::ExternalFunctionEntry(kIlFree),
  };
  const std::int32_t flags = new_style ? kNewStyleWithEditField : kFileSystemFoldersOnly;
  return commands::ShellChooseFolder(entries, owner, title, flags);
}

}  // namespace vorlix::app
