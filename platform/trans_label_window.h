#pragma once

#include <cstdint>

#include "platform/child_window.h"

namespace vorlix::platform {

struct TransLabelLook {
  int effect = 0;  // 0 none, 1 and 2 a white offset copy, 3 a black one, under the text
  std::uint32_t text_colour = 0xFF000000;
  int horizontal = 0;  // 0 left, 1 centre, 2 right
  int vertical = 0;    // 0 top, 1 centre, 2 bottom; single-line text only
  bool word_wrap = false;
};

// A window that paints only its text (the window text, lines broken by
// CR LF), over whatever lies beneath it; it still takes mouse clicks.
WindowHandle CreateTransLabel(const ChildWindowSpec& spec, const TransLabelLook& look);
void SetTransLabelLook(WindowHandle label, const TransLabelLook& look);

}  // namespace vorlix::platform
