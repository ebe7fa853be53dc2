#pragma once

#include <cstdint>
#include <optional>

#include "platform/native_window.h"

namespace vorlix::platform {

// What the runtime's own windows and the controls it watches tell the
// runtime, decoded from their window messages. `window` is the window the
// notice is about: the top-level window for its own notices, the control
// for a control's.
enum class NoticeKind {
  kTimerTick,     // a unit timer's period elapsed (window: the timer's window)
  kWindowGone,    // a top-level window of the runtime's class is finally gone
  kEndRequested,  // another thread asks to end the program (value: exit code)

  // A top-level window. A close request answered with 0 keeps it open.
  kCloseRequest,
  kDestroying,
  kMoved,
  kResized,
  kActivated,  // after the platform's own activation
  kDeactivated,
  kShown,
  kHidden,
  kMenuCommand,  // value: the command identifier

  kFocusGained,  // any watched window or runtime window
  kFocusLost,

  // Controls, reported by the container they sit on.
  kButtonClicked,      // value: 1 while the button gains or loses the focus
  kFocusedRowChanged,  // list views from here on
  kRowActivated,
  kColumnClicked,      // value: column
  kRowHotTracked,      // value: row
  kClicked,
  kRightClicked,
  kLabelEditStarting,  // value: row; answered with 0 it is cancelled
  kCheckChanged,       // value: row, value2: 1 checked, 0 unchecked
};

struct Notice {
  NoticeKind kind{};
  WindowHandle window = 0;
  std::intptr_t value = 0;
  std::intptr_t value2 = 0;
};

// Called on the window thread; a value ends the message's processing with
// that result, nothing lets the window go on as usual.
using NoticeObserver = std::optional<std::intptr_t> (*)(const Notice& notice);
void SetNoticeObserver(NoticeObserver observer);

}  // namespace vorlix::platform
