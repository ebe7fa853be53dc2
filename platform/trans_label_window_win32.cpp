#include "platform/trans_label_window.h"

#include <windows.h>

#include <algorithm>

#include "platform/child_window_win32.h"
#include "platform/runtime_window_class_win32.h"
#include "platform/window_colours.h"

namespace vorlix::platform {
namespace {

constexpr wchar_t kTransLabelClassName[] = L"VorlixTransLabel";

struct TransLabelState {
  TransLabelLook look;
  HFONT font = nullptr;
};

UINT FormatOf(const TransLabelLook& look) {
  static constexpr UINT kHorizontal[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
  static constexpr UINT kVertical[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
  UINT format = DT_NOPREFIX | kHorizontal[std::clamp(look.horizontal, 0, 2)];
  if (look.word_wrap) return format | DT_WORDBREAK;
  return format | DT_SINGLELINE | kVertical[std::clamp(look.vertical, 0, 2)];
}

// Whatever lies beneath shows through, so a change of text or look has it
// drawn again first.
void RedrawBeneath(HWND window) {
  HWND parent = GetParent(window);
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
  RedrawWindow(parent, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Paint(HWND window, const TransLabelState& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  HGDIOBJ old_font = SelectObject(dc, state.font != nullptr ? state.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  const UINT format = FormatOf(state.look);
  if (state.look.effect >= 1 && state.look.effect <= 3) {
    SetTextColor(dc, state.look.effect == 3 ? RGB(0, 0, 0) : RGB(255, 255, 255));
    RECT offset = client;
    OffsetRect(&offset, 1, 1);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &offset, format);
  }
  const std::uint32_t colour = state.look.text_colour;
  SetTextColor(dc, colour == kSystemColour ? GetSysColor(COLOR_WINDOWTEXT) : colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
  SelectObject(dc, old_font);
  EndPaint(window, &paint);
}

LRESULT CALLBACK TransLabelProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (auto answer = HandleUnitWindowMessage(window, message, wparam, lparam)) return *answer;
  auto* state = WindowObject<TransLabelState>(window);
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
      if (state == nullptr) break;
      Paint(window, *state);
      return 0;
    case WM_SETFONT:
      if (state != nullptr) state->font = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam)) RedrawBeneath(window);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state != nullptr ? state->font : nullptr);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(window, message, wparam, lparam);
      RedrawBeneath(window);
      return result;
    }
    case WM_NCDESTROY:
      KeepWindowObject<TransLabelState>(window, nullptr);
      delete state;
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

WindowHandle CreateTransLabel(const ChildWindowSpec& spec, const TransLabelLook& look) {
  RegisterRuntimeClass(kTransLabelClassName, TransLabelProcedure);
  HWND window = CreateChildWindow(kTransLabelClassName, 0, WS_EX_TRANSPARENT, spec);
  if (window != nullptr) KeepWindowObject(window, new TransLabelState{look});
  return reinterpret_cast<WindowHandle>(window);
}

void SetTransLabelLook(WindowHandle label, const TransLabelLook& look) {
  HWND window = reinterpret_cast<HWND>(label);
  if (auto* state = WindowObject<TransLabelState>(window)) state->look = look;
  RedrawBeneath(window);
}

}  // namespace vorlix::platform
