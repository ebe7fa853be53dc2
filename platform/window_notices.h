#pragma once

#include <cstdint>
#include <optional>

#include "platform/native_window.h"

namespace vorlix::platform {

// What the runtime's own windows and the controls it watches tell the
// runtime, decoded from their window messages.
enum class NoticeKind {
  kTimerTick,     // a unit timer's period elapsed (window: the timer's window)
  kWindowGone,    // a top-level window of the runtime's class is finally gone
  kEndRequested,  // another thread asks to end the program (value: exit code)
};

struct Notice {
  NoticeKind kind{};
  WindowHandle window = 0;
  std::intptr_t value = 0;
};

// Called on the window thread; a value ends the message's processing with
// that result, nothing lets the window go on as usual.
using NoticeObserver = std::optional<std::intptr_t> (*)(const Notice& notice);
void SetNoticeObserver(NoticeObserver observer);

}  // namespace vorlix::platform
