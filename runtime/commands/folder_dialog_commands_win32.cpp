#include "runtime/commands/folder_dialog_commands.h"

#include <vector>

#include "platform/folder_browser.h"
#include "runtime/core/state/live_windows.h"
#include "runtime/core/state/runtime_state.h"

namespace vorlix::commands {
namespace {

std::vector<platform::WindowHandle> LoadedWindows() {
  std::vector<platform::WindowHandle> windows;
  for (core::WindowId id : core::Runtime().open_windows) {
    if (core::LiveWindow* live = core::FindLiveWindow(id)) windows.push_back(live->frame->window());
  }
  return windows;
}

}  // namespace

core::Text BrowseForFolder(const core::Text& title, std::optional<bool> include_files) {
  return platform::BrowseForFolder(title, include_files.value_or(false), LoadedWindows());
}

}  // namespace vorlix::commands
