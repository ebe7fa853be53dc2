#pragma once

#include <cstdint>
#include <string>

#include "platform/native_window.h"

namespace vorlix::platform {

using MenuHandle = std::uintptr_t;

// A window of the runtime's window class.
struct TopLevelWindowSpec {
  std::string caption;  // GBK
  // 0 none, 1 resizable, 2 fixed, 3 tool resizable, 4 tool fixed, 5 sunken
  // edge resizable, 6 sunken edge fixed.
  int border = 1;
  bool control_box = true;
  bool maximise_box = true;
  bool minimise_box = true;
  bool centred = false;
  bool movable = true;
  bool always_on_top = false;
  bool disabled = false;
  // Shown as it is made (its first placement notices come during creation).
  bool visible = false;
  // The hidden owner window for a window kept out of the task bar.
  WindowHandle owner = 0;
  MenuHandle menu = 0;
  Placement placement;
  // GBK; empty: the runtime's own class.
  std::string class_name;
  std::uint32_t background = 0xFF000000;
};

// 0 when the window cannot be created.
WindowHandle CreateTopLevelWindow(const TopLevelWindowSpec& spec);
// Frame, boxes, always-on-top and background of a window that exists; its
// place, owner, menu and class stay.
void SetTopLevelLook(WindowHandle window, const TopLevelWindowSpec& spec);

// Whether the border style lets the user resize the window.
constexpr bool HasSizingFrame(int border) { return border == 1 || border == 3 || border == 5; }

}  // namespace vorlix::platform
