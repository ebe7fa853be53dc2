#pragma once

#include "platform/message_queue.h"

namespace vorlix::core {

// The runtime's look at every queued message before it is translated and
// dispatched (the message loop's pre-translation hook). Keyboard messages
// to a disabled window are dropped; a left press ends another window's hold
// of the mouse; then the window's shortcut keys, its own keys (Tab, Esc,
// Enter, arrows, F1, Alt mnemonics), and the common events of the unit (or
// window) whose window the message is for: mouse buttons and moves (-1 to
// -6: x, y, key state), keys (-9, -10: key code, shift state), characters
// (-11: the code; 0 swallows it, another value replaces it) and the wheel
// (-12: notches, key state). A handler that returns false swallows the
// message. True when the message goes no further.
bool PreTranslateWindowMessage(platform::WindowMessage& message);

}  // namespace vorlix::core
