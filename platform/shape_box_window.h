#pragma once

#include <cstdint>

#include "platform/child_window.h"

namespace vorlix::platform {

struct ShapeLook {
  std::uint32_t background = 0xFF000000;  // 0xFF000000: the container's
  // 0 rectangle, 1 square, 2 ellipse, 3 circle, 4 rounded rectangle,
  // 5 rounded square, 6 horizontal line, 7 vertical line.
  int shape = 0;
  // 0 and 1 solid, 2 dashes, 3 dots, 4 dash-dot, 5 dash-dot-dot.
  int line_style = 1;
  int line_width = 1;
  std::uint32_t line_colour = 0;
  std::uint32_t fill_colour = 0xFF000000;  // 0xFF000000: not filled
};

// A window of the runtime's shape class; it paints the shape and holds
// units like the window does.
WindowHandle CreateShapeBox(const ChildWindowSpec& spec, const ShapeLook& look);
void SetShapeLook(WindowHandle shape_box, const ShapeLook& look);

}  // namespace vorlix::platform
