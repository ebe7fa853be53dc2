#pragma once

#include <string>

#include "platform/accelerators.h"
#include "platform/message_queue.h"
#include "platform/native_window.h"

namespace vorlix::platform {

// The mouse and keyboard messages of the queue, decoded.
enum class InputKind {
  kOther,
  kLeftDown,
  kLeftUp,
  kLeftDoubleClick,
  kRightDown,
  kRightUp,
  kMouseMove,
  kKeyDown,  // system keys too
  kKeyUp,
  kCharacter,
  kWheel,
  kNonClientLeftDown,
};

struct InputMessage {
  InputKind kind = InputKind::kOther;
  // Client position: the low and high 16-bit halves, each unsigned.
  int x = 0;
  int y = 0;
  int key = 0;  // virtual-key code, or the character code
  bool system_key = false;
  bool alt_down = false;  // for keys: the context bit of the message
  int wheel_delta = 0;    // signed, 120 per notch
};

InputMessage DecodeInput(const WindowMessage& message);
bool IsKeyboardMessage(const WindowMessage& message);
void ReplaceCharacter(WindowMessage& message, int character);

// Modifier keys down now, as this thread has seen the input so far:
// bit 0 Ctrl, bit 1 Shift, bit 2 Alt.
int ModifierKeys();

// A press outside them ends a menu's or another window's hold of the mouse.
void CancelMouseHold(WindowHandle target);

// The window at the top of the window's parent chain.
WindowHandle RootWindowOf(WindowHandle window);

// The accelerator table's command for the key message, sent to `window`;
// false when the message is no shortcut of the table.
bool TranslateShortcut(WindowHandle window, AcceleratorHandle table, const WindowMessage& message);

// Asks the window to close as its close box does.
void PostCloseRequest(WindowHandle window);
// Opens a help file with the program the system has for it.
void OpenHelpFile(const std::string& gbk_path);

// Sends a button the click of a mouse press and release.
void ClickButton(WindowHandle button);

}  // namespace vorlix::platform
