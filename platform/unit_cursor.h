#pragma once

#include <cstdint>
#include <span>

#include "platform/native_window.h"

namespace vorlix::platform {

using CursorHandle = std::uintptr_t;

// The runtime's standard mouse pointers: 0 the window's default, then arrow,
// cross, I-beam, size all, size NE-SW, size N-S, size NW-SE, size W-E, up
// arrow, wait, no, arrow with hourglass, arrow with question mark, hand.
constexpr int kStandardCursorCount = 15;
// 0 for number 0 and numbers outside the table. Shared; never destroyed.
CursorHandle StandardCursor(int number);
// The first image of the bytes of a cursor file; 0 when they are not one.
CursorHandle CursorFromFileBytes(std::span<const std::uint8_t> bytes);
void DestroyFileCursor(CursorHandle cursor);

// The pointer shown over the window's client area; 0 gives the window its
// own again.
void SetWindowCursor(WindowHandle window, CursorHandle cursor);

}  // namespace vorlix::platform
