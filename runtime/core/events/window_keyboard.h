#pragma once

#include "platform/input_messages.h"
#include "runtime/core/state/live_windows.h"
#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// The window's own keys, before the units see them: Tab and Shift+Tab move
// the focus along the focus order (wrapping), Esc asks the window to close
// when its Esc switch is on, Enter moves the focus on when its Enter switch
// is on and the focused unit does not take Enter, the arrow keys move among
// the radio boxes of one container, F1 opens the help file when its switch
// is on, and Alt with a letter or digit activates the unit whose caption
// has that mnemonic. True when the key was used.
bool HandleWindowKey(LiveWindow& live, const WindowRecord& window, const platform::InputMessage& key,
                     int modifiers);

}  // namespace vorlix::core
