#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlix::platform {

enum class ShowMode {
  kHidden,
  kNormal,
  kMinimized,
  kMaximized,
  kShownInactive,        // shown without becoming the active window
  kMinimizedActivateNext,  // minimised, the next window becomes active
};

struct ShellOpenRequest {
  std::intptr_t owner_window = 0;      // none when 0
  std::optional<std::string> verb;     // the file's default verb when none
  std::string file;
  std::optional<std::string> parameters;
  std::string directory;               // the working directory; may be empty
  ShowMode show = ShowMode::kNormal;
};

// Hands the file (or address) to the shell; false when the shell could
// start nothing for it (no program for its type, the file gone).
bool ShellOpenFile(const ShellOpenRequest& request);

// The top-level window whose title is exactly the text; 0 when none.
std::intptr_t FindTopLevelWindow(std::string_view title);

}  // namespace vorlix::platform
