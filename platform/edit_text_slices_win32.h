#pragma once

// A long text goes into an edit control a slice per turn of the message
// loop: Wine's control lays out every line it takes in, and three hundred
// thousand names in one step would hold the window for seconds. The box
// is read-only until the last slice is in, and its text reads whole from
// the start.
#include <windows.h>

#include <string>

namespace vorlix::platform {

// Replaces the box's text; a short text goes in at once.
void SetTextInSlices(HWND edit, const std::wstring& text);
// Replaces the selection with the clipboard's text when that is long;
// false, and nothing done, otherwise (the control pastes it itself).
bool PasteInSlices(HWND edit);
// The box's text with what has yet to go in.
std::wstring WholeText(HWND edit);
// Puts the rest in at once, before another change to the text.
void FinishSlices(HWND edit);

}  // namespace vorlix::platform
