#pragma once

#include <cstdint>

#include "platform/child_window.h"

namespace vorlix::platform {

struct LabelLook {
  int border = 0;
  int horizontal = 0;  // 0 left, 1 centre, 2 right
  int vertical = 0;    // 0 top, 1 centre (single line)
  bool word_wrap = true;
  std::uint32_t background = 0xFF000000;  // 0xFF000000: the container's
};

// A static text that reports mouse clicks; "&" marks a mnemonic.
WindowHandle CreateLabelControl(const ChildWindowSpec& spec, const LabelLook& look);
void SetLabelLook(WindowHandle label, const LabelLook& look);

}  // namespace vorlix::platform
