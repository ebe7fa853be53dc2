#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/native_window.h"

namespace vorlix::platform {

// Which kinds of dropped data a drop target takes, in the order it looks
// for them.
struct DropSwitches {
  bool text = false;
  bool html = false;
  bool links = false;
  bool files = false;
};

// Numbered as the drop target's events.
enum class DroppedKind { kText = 0, kHtml = 1, kLink = 2, kFiles = 3 };

// What a drop target asks of whoever serves it: the switches as they are at
// the moment, and the handling of one dropped text (GBK), called on the
// window's thread inside the drag-and-drop loop.
struct DropReceiver {
  std::function<DropSwitches()> switches;
  std::function<void(DroppedKind kind, const std::string& gbk_text)> deliver;
};

// A window registered as an OLE drop target. Dropped data is delivered in
// the order text (only when no HTML comes with it), HTML, link, files; the
// drag source is always told that the drop failed, so that it never deletes
// what it offered for a move. The registration ends when this goes or when
// the window is destroyed, whichever comes first.
class DropRegistration {
 public:
  struct Registered;  // the platform's side
  explicit DropRegistration(std::unique_ptr<Registered> registered);
  ~DropRegistration();
  DropRegistration(const DropRegistration&) = delete;
  DropRegistration& operator=(const DropRegistration&) = delete;

  // 0 once the window has been destroyed.
  WindowHandle window() const;

 private:
  std::unique_ptr<Registered> registered_;
};

// Null when the platform refuses the window (OLE not initialised on this
// thread, no such window, or registered already). Call on the window's
// thread.
std::unique_ptr<DropRegistration> RegisterDropTarget(WindowHandle window, DropReceiver receiver);

}  // namespace vorlix::platform
