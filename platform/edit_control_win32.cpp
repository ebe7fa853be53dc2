#include "platform/edit_control.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "platform/child_window_win32.h"
#include "platform/companion_window_win32.h"
#include "platform/edit_text_slices_win32.h"
#include "platform/unit_font.h"
#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }

constexpr DWORD kChangeableStyles = ES_CENTER | ES_RIGHT | ES_PASSWORD | ES_LOWERCASE | ES_UPPERCASE | ES_READONLY;

DWORD ChangeableStyleOf(const EditBoxLook& look) {
  static constexpr DWORD kAlignment[] = {ES_LEFT, ES_CENTER, ES_RIGHT};
  DWORD style = kAlignment[std::clamp(look.alignment, 0, 2)];
  if (look.password) style |= ES_PASSWORD;
  if (look.case_conversion == 1) style |= ES_LOWERCASE;
  if (look.case_conversion == 2) style |= ES_UPPERCASE;
  if (look.read_only) style |= ES_READONLY;
  return style;
}

DWORD StyleOf(const EditBoxLook& look) {
  DWORD style = ChangeableStyleOf(look) | BorderStylesOf(look.border).style;
  if (look.multi_line) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (look.scroll_bars == 1 || look.scroll_bars == 3) style |= ES_AUTOHSCROLL | WS_HSCROLL;
    if (look.scroll_bars == 2 || look.scroll_bars == 3) style |= WS_VSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  if (!look.hide_selection) style |= ES_NOHIDESEL;
  return style;
}


void SetPasswordChar(HWND edit, std::uint16_t code) {
  std::string gbk;
  if (code > 0xFF) gbk.push_back(static_cast<char>(code >> 8));
  gbk.push_back(static_cast<char>(code & 0xFF));
  const std::wstring wide = Wide(gbk);
  SendMessageW(edit, EM_SETPASSWORDCHAR, wide.empty() ? L'*' : wide[0], 0);
}

// GBK byte position of the UTF-16 position in the box's text.
int BytePosition(const std::wstring& text, int position) {
  return static_cast<int>(Narrow(std::wstring_view(text).substr(0, static_cast<std::size_t>(position))).size());
}

// UTF-16 position of a GBK byte position; a position inside a double-byte
// character counts as its end.
int WidePosition(const std::wstring& text, int byte_position) {
  int bytes = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (bytes >= byte_position) return static_cast<int>(i);
    bytes += static_cast<int>(Narrow(std::wstring_view(text).substr(i, 1)).size());
  }
  return static_cast<int>(text.size());
}

std::wstring TextOf(HWND edit) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
  return text;
}

void AttachSpin(HWND edit, const ChildWindowSpec& spec, const EditSpin& spin) {
  ChildWindowSpec spin_spec = spec;
  spin_spec.control_id = 0;
  spin_spec.tab_stop = false;
  HWND up_down = CreateChildWindow(UPDOWN_CLASSW, UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                                   0, spin_spec);
  if (up_down == nullptr) return;
  SendMessageW(up_down, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageW(up_down, UDM_SETRANGE32, static_cast<WPARAM>(spin.minimum), spin.maximum);
  KeepCompanion(edit, up_down);
}

constexpr UINT_PTR kSelectAllSubclassId = 0x5E1A;
constexpr WPARAM kCtrlACharacter = 1;

bool OnlyCtrlDown() { return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0; }

// Ctrl+A selects the whole text, as users expect of any text box; Wine's
// edit control does not do it by itself. Its character (0x01) would
// otherwise be typed or beeped at.
LRESULT CALLBACK SelectAllProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_KEYDOWN:
      if (wparam != 'A' || !OnlyCtrlDown()) break;
      SendMessageW(edit, EM_SETSEL, 0, -1);
      return 0;
    case WM_CHAR:
      if (wparam == kCtrlACharacter) return 0;
      break;
    case WM_PASTE:
      if (PasteInSlices(edit)) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, SelectAllProcedure, kSelectAllSubclassId);
      break;
  }
  return DefSubclassProc(edit, message, wparam, lparam);
}

}  // namespace

WindowHandle CreateEditControl(const ChildWindowSpec& spec, const EditBoxLook& look, const EditSpin& spin) {
  HWND edit = CreateControl(L"EDIT", StyleOf(look), BorderStylesOf(look.border).extended, spec);
  if (edit == nullptr) return 0;
  SetWindowSubclass(edit, SelectAllProcedure, kSelectAllSubclassId, 0);
  SendMessageW(edit, EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(look.max_length, 0)), 0);
  if (look.password) SetPasswordChar(edit, look.password_char);
  if (spin.spin != 0 && !look.multi_line) AttachSpin(edit, spec, spin);
  return reinterpret_cast<WindowHandle>(edit);
}

void FitSingleLineHeight(WindowHandle edit) {
  HWND window = H(edit);
  const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  if (style & ES_MULTILINE) return;
  const auto font = static_cast<FontHandle>(SendMessageW(window, WM_GETFONT, 0, 0));
  RECT frame{0, 0, 0, LineHeight(font != 0 ? font : DefaultGuiFont())};
  AdjustWindowRectEx(&frame, style, FALSE, static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  Placement placement = PlacementOf(edit);
  if (placement.height >= frame.bottom - frame.top) return;
  placement.height = frame.bottom - frame.top;
  MoveNativeWindow(edit, placement);
}

void SetEditLook(WindowHandle edit, const EditBoxLook& look) {
  HWND window = H(edit);
  DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
  style = (style & ~(kChangeableStyles | WS_HSCROLL | WS_VSCROLL)) | (StyleOf(look) & (WS_HSCROLL | WS_VSCROLL)) |
          ChangeableStyleOf(look);
  SetWindowLongW(window, GWL_STYLE, static_cast<LONG>(style));
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  SendMessageW(window, EM_SETREADONLY, look.read_only, 0);
  SendMessageW(window, EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(look.max_length, 0)), 0);
  if (look.password) {
    SetPasswordChar(window, look.password_char);
  } else {
    SendMessageW(window, EM_SETPASSWORDCHAR, 0, 0);
  }
  InvalidateRect(window, nullptr, TRUE);
}

void SetEditSpinRange(WindowHandle edit, int minimum, int maximum) {
  if (HWND up_down = CompanionOf(H(edit)); up_down != nullptr) {
    SendMessageW(up_down, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
  }
}

EditSelection SelectionOf(WindowHandle edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(H(edit), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::wstring text = TextOf(H(edit));
  const int byte_start = BytePosition(text, static_cast<int>(start));
  return {byte_start, BytePosition(text, static_cast<int>(end)) - byte_start};
}

void SelectEditText(WindowHandle edit, const EditSelection& selection) {
  const std::wstring text = TextOf(H(edit));
  const int start = WidePosition(text, std::max(selection.start, 0));
  const int end = WidePosition(text, std::max(selection.start, 0) + std::max(selection.length, 0));
  SendMessageW(H(edit), EM_SETSEL, static_cast<WPARAM>(start), end);
}

std::string SelectedEditText(WindowHandle edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(H(edit), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return Narrow(std::wstring_view(TextOf(H(edit))).substr(start, end - start));
}

std::string EditText(WindowHandle edit) { return Narrow(WholeText(H(edit))); }

void SetEditText(WindowHandle edit, std::string_view gbk_text) { SetTextInSlices(H(edit), Wide(gbk_text)); }

void ReplaceEditSelection(WindowHandle edit, std::string_view gbk_text) {
  FinishSlices(H(edit));
  SendMessageW(H(edit), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Wide(gbk_text).c_str()));
}

void AppendEditText(WindowHandle edit, std::string_view gbk_text) {
  FinishSlices(H(edit));
  const int length = GetWindowTextLengthW(H(edit));
  SendMessageW(H(edit), EM_SETSEL, static_cast<WPARAM>(length), length);
  SendMessageW(H(edit), EM_SCROLLCARET, 0, 0);
  ReplaceEditSelection(edit, gbk_text);
}

}  // namespace vorlix::platform
