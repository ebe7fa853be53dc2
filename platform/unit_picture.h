#pragma once

#include <cstdint>
#include <span>

#include "platform/native_window.h"

namespace vorlix::platform {

// A picture stored as the bytes of a picture file: a bitmap, icon, cursor,
// GIF, JPEG or metafile. Icons and cursors stay icons; the rest become
// bitmaps.
struct UnitPicture {
  enum class Kind { kNone, kBitmap, kIcon };
  Kind kind = Kind::kNone;
  std::uintptr_t handle = 0;
};

// Kind kNone for empty bytes or bytes that hold no picture.
UnitPicture LoadUnitPicture(std::span<const std::uint8_t> bytes);
void DestroyUnitPicture(const UnitPicture& picture);

// A button shows the picture instead of its caption; kNone gives the caption
// back. The button does not own the picture.
void SetButtonPicture(WindowHandle button, const UnitPicture& picture);
// The icon of the window's caption and task-bar button; kNone the default.
void SetWindowIcon(WindowHandle window, const UnitPicture& picture);

}  // namespace vorlix::platform
