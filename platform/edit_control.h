#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/child_window.h"

namespace vorlix::platform {

struct EditBoxLook {
  int border = 1;
  bool multi_line = false;
  int scroll_bars = 0;  // 0 none, 1 horizontal, 2 vertical, 3 both (multi-line only)
  bool hide_selection = true;
  int alignment = 0;  // 0 left, 1 centre, 2 right
  bool read_only = false;
  bool password = false;
  std::uint16_t password_char = '*';  // a GBK character code
  int case_conversion = 0;            // 0 none, 1 lower, 2 upper
  int max_length = 0;                 // 0 no limit
};

// An edit control. Spin buttons (an up-down control at its right, kept with
// it) are added to a single-line box when `spin` is not 0.
struct EditSpin {
  int spin = 0;
  int minimum = 0;
  int maximum = 100;
};
WindowHandle CreateEditControl(const ChildWindowSpec& spec, const EditBoxLook& look, const EditSpin& spin);
// Makes a single-line box at least one line of its font high, with its borders.
void FitSingleLineHeight(WindowHandle edit);
// Everything but the multi-line and hide-selection switches and the spin
// buttons, which need a new control.
void SetEditLook(WindowHandle edit, const EditBoxLook& look);
void SetEditSpinRange(WindowHandle edit, int minimum, int maximum);

// The box's whole text, GBK, with any part that is still going in.
std::string EditText(WindowHandle edit);
// Replaces the text. A long one goes in a slice per turn of the message
// loop, the box read-only meanwhile, so that the window answers however
// many names it holds; EditText gives it whole from the start. A long
// paste goes in the same way.
void SetEditText(WindowHandle edit, std::string_view gbk_text);

// Selection positions and lengths count GBK bytes of the text.
struct EditSelection {
  int start = 0;
  int length = 0;
};
EditSelection SelectionOf(WindowHandle edit);
void SelectEditText(WindowHandle edit, const EditSelection& selection);
std::string SelectedEditText(WindowHandle edit);
void ReplaceEditSelection(WindowHandle edit, std::string_view gbk_text);

// Puts the caret after the last character, scrolls it into view and inserts
// the text there, outside the undo history.
void AppendEditText(WindowHandle edit, std::string_view gbk_text);

}  // namespace vorlix::platform
