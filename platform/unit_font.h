#pragma once

#include <cstdint>
#include <string>

#include "platform/native_window.h"

namespace vorlix::platform {

using FontHandle = std::uintptr_t;

// A unit's stored font. The character set, the precisions, the pitch and
// family and the quality are the platform's defaults, not stored ones, so
// that a face shows the system's characters whatever was saved.
struct FontSpec {
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  std::string face_name;  // GBK
};

FontHandle CreateUnitFont(const FontSpec& spec);
// The system's default GUI font; shared, never deleted.
FontHandle DefaultGuiFont();
// Does nothing for the default GUI font.
void DeleteUnitFont(FontHandle font);

void SetWindowFont(WindowHandle window, FontHandle font);
// The height of one line of text in the font, in pixels.
int LineHeight(FontHandle font);

}  // namespace vorlix::platform
