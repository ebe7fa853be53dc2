#include "runtime/commands/tooltip_commands.h"

#include "platform/tooltips.h"
#include "runtime/commands/window_handle_integer.h"

namespace vorlix::commands {

std::int32_t AddToolTip(std::int32_t window_handle, const core::Text& tip, std::optional<bool> balloon,
                        std::optional<bool> centred) {
  const platform::ToolTipStyle style{balloon.value_or(false), centred.value_or(false)};
  return platform::AddToolTip(NativeWindowOf(window_handle), tip, style);
}

}  // namespace vorlix::commands
