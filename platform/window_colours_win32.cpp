#include "platform/window_colours.h"

#include "platform/window_colours_win32.h"

namespace vorlix::platform {
namespace {

constexpr wchar_t kColoursProperty[] = L"VorlixColours";

struct Colours {
  std::uint32_t text = kSystemColour;
  std::uint32_t background = kSystemColour;
  HBRUSH brush = nullptr;
};

Colours* ColoursOf(HWND window) { return static_cast<Colours*>(GetPropW(window, kColoursProperty)); }

bool IsSystem(std::uint32_t colour) { return colour == kSystemColour; }

// The background a child without colours of its own shows: its container's.
const Colours* BackgroundSource(HWND container, HWND child) {
  const Colours* own = ColoursOf(child);
  if (own != nullptr && !IsSystem(own->background)) return own;
  const Colours* parent = ColoursOf(container);
  return parent != nullptr && !IsSystem(parent->background) ? parent : nullptr;
}

}  // namespace

void SetWindowColours(WindowHandle window, std::uint32_t text, std::uint32_t background) {
  HWND hwnd = reinterpret_cast<HWND>(window);
  Colours* colours = ColoursOf(hwnd);
  if (colours == nullptr) {
    colours = new Colours;
    SetPropW(hwnd, kColoursProperty, colours);
  }
  if (colours->brush != nullptr) DeleteObject(colours->brush);
  colours->text = text;
  colours->background = background;
  colours->brush = IsSystem(background) ? nullptr : CreateSolidBrush(background);
  InvalidateRect(hwnd, nullptr, TRUE);
}

std::uint32_t WindowTextColour(WindowHandle window) {
  const Colours* colours = ColoursOf(reinterpret_cast<HWND>(window));
  return colours != nullptr ? colours->text : kSystemColour;
}

std::uint32_t WindowBackgroundColour(WindowHandle window) {
  const Colours* colours = ColoursOf(reinterpret_cast<HWND>(window));
  return colours != nullptr ? colours->background : kSystemColour;
}

void EraseWithBackground(HWND window, HDC dc) {
  RECT client;
  GetClientRect(window, &client);
  const Colours* colours = ColoursOf(window);
  if (colours != nullptr && colours->brush != nullptr) {
    FillRect(dc, &client, colours->brush);
  } else {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  }
}

LRESULT AnswerColourRequest(HWND container, UINT message, WPARAM dc, LPARAM child) {
  HWND child_window = reinterpret_cast<HWND>(child);
  HDC hdc = reinterpret_cast<HDC>(dc);
  const Colours* own = ColoursOf(child_window);
  // An edit box that may be typed in keeps the system's window colour unless
  // it has its own; statics, buttons and read-only boxes show the container.
  const bool takes_container = message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN;
  const Colours* background = takes_container ? BackgroundSource(container, child_window)
                                              : (own != nullptr && own->brush != nullptr ? own : nullptr);
  const bool own_text = own != nullptr && !IsSystem(own->text);
  if (background == nullptr && !own_text) return 0;
  if (own_text) SetTextColor(hdc, own->text);
  if (background != nullptr) {
    SetBkColor(hdc, background->background);
    return reinterpret_cast<LRESULT>(background->brush);
  }
  const int system = takes_container ? COLOR_BTNFACE : COLOR_WINDOW;
  SetBkColor(hdc, GetSysColor(system));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(system));
}

void ForgetWindowColours(HWND window) {
  Colours* colours = static_cast<Colours*>(RemovePropW(window, kColoursProperty));
  if (colours == nullptr) return;
  if (colours->brush != nullptr) DeleteObject(colours->brush);
  delete colours;
}

}  // namespace vorlix::platform
