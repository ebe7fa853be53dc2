#include "runtime/commands/shell_file_commands.h"

#include "platform/copy_check.h"
#include "platform/wide_text.h"
#include "runtime/commands/window_handle_integer.h"

namespace vorlix::commands {
namespace {

std::intptr_t OwnerOf(std::int32_t handle) { return static_cast<std::intptr_t>(NativeWindowOf(handle)); }

}  // namespace

bool ShellFileOperation(void* sh_file_operation_w, std::int32_t owner, std::int32_t operation,
                        const core::Text& source, const core::Text& target, std::int32_t flags,
                        FileOperationOutcome* outcome, bool check_copy) {
  return platform::RunFileOperation({
      .shell_entry = sh_file_operation_w,
      .owner = OwnerOf(owner),
      .operation = static_cast<platform::FileOperation>(operation),
      .source = source,
      .target_folder = target,
      .flags = static_cast<std::uint32_t>(flags),
      .check_copy = check_copy,
      .outcome = outcome,
  });
}

std::uint64_t ItemBytes(const core::Text& path) { return platform::ItemBytes(platform::Wide(path)); }

core::Text ShellChooseFolder(const FolderChooserEntries& entries, std::int32_t owner, const core::Text& title,
                             std::int32_t flags) {
  return platform::ChooseFolderPath(entries, OwnerOf(owner), title, static_cast<std::uint32_t>(flags));
}

bool ShellShowInFolder(const FolderWindowEntries& entries, const core::Text& path) {
  return platform::ShowInFolder(entries, path);
}

}  // namespace vorlix::commands
