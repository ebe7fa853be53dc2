#include "runtime/commands/shell_commands.h"

#include "platform/shell_open.h"

namespace vorlix::commands {
namespace {

using platform::ShowMode;

std::optional<std::string> VerbText(std::optional<std::int32_t> verb) {
  switch (verb.value_or(0)) {
    case 1: return "edit";
    case 2: return "explore";
    case 3: return "find";
    case 4: return "open";
    case 5: return "print";
    default: return std::nullopt;
  }
}

ShowMode ShowModeOf(std::optional<std::int32_t> show_mode) {
  switch (show_mode.value_or(2)) {
    case 1: return ShowMode::kHidden;
    case 3: return ShowMode::kMinimized;
    case 4: return ShowMode::kMaximized;
    case 5: return ShowMode::kShownInactive;
    case 6: return ShowMode::kMinimizedActivateNext;
    default: return ShowMode::kNormal;
  }
}

}  // namespace

void ShellOpen(std::optional<std::int32_t> verb, std::string_view file, std::optional<std::string_view> parameters,
               std::optional<std::string_view> directory, std::optional<std::int32_t> show_mode) {
  platform::ShellOpenRequest request;
  request.verb = VerbText(verb);
  request.file = file;
  if (parameters) request.parameters = std::string(*parameters);
  request.directory = directory.value_or("");
  request.show = ShowModeOf(show_mode);
  platform::ShellOpenFile(request);
}

bool OpenDocument(std::string_view file) {
  platform::ShellOpenRequest request;
  request.file = file;
  return platform::ShellOpenFile(request);
}

void OpenWebPage(std::optional<std::string_view> address) {
  platform::ShellOpenRequest request;
  request.owner_window = platform::FindTopLevelWindow("Microsoft Internet Explorer");
  request.verb = "open";
  request.file = address.value_or("about:blank");
  platform::ShellOpenFile(request);
}

}  // namespace vorlix::commands
