#include "platform/shape_box_window.h"

#include <windows.h>

#include <algorithm>

#include "platform/child_window_win32.h"
#include "platform/runtime_window_class_win32.h"
#include "platform/window_colours.h"

namespace vorlix::platform {
namespace {

constexpr wchar_t kShapeClassName[] = L"VorlixShapeBox";

COLORREF BackgroundOf(HWND window, const ShapeLook& look) {
  if (look.background != kSystemColour) return look.background;
  const std::uint32_t parent = WindowBackgroundColour(reinterpret_cast<WindowHandle>(GetParent(window)));
  return parent != kSystemColour ? parent : GetSysColor(COLOR_BTNFACE);
}

HPEN PenOf(const ShapeLook& look) {
  static constexpr int kStyles[] = {PS_INSIDEFRAME, PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
  const COLORREF colour = look.line_colour == kSystemColour ? GetSysColor(COLOR_WINDOWTEXT) : look.line_colour;
  return CreatePen(kStyles[std::clamp(look.line_style, 0, 5)], std::max(look.line_width, 1), colour);
}

// A square or circle is the largest that fits, centred.
RECT Squared(RECT area) {
  const int side = std::min(area.right - area.left, area.bottom - area.top);
  const int left = (area.left + area.right - side) / 2;
  const int top = (area.top + area.bottom - side) / 2;
  return {left, top, left + side, top + side};
}

void DrawShape(HDC dc, RECT area, const ShapeLook& look) {
  // Keep the whole line inside the window.
  const int inset = std::max(look.line_width, 1) / 2;
  InflateRect(&area, -inset, -inset);
  const int round = std::min(area.right - area.left, area.bottom - area.top) / 4;
  switch (look.shape) {
    case 1: area = Squared(area); [[fallthrough]];
    case 0: Rectangle(dc, area.left, area.top, area.right, area.bottom); break;
    case 3: area = Squared(area); [[fallthrough]];
    case 2: Ellipse(dc, area.left, area.top, area.right, area.bottom); break;
    case 5: area = Squared(area); [[fallthrough]];
    case 4: RoundRect(dc, area.left, area.top, area.right, area.bottom, round, round); break;
    case 6: {
      const int y = (area.top + area.bottom) / 2;
      MoveToEx(dc, area.left, y, nullptr);
      LineTo(dc, area.right, y);
      break;
    }
    case 7: {
      const int x = (area.left + area.right) / 2;
      MoveToEx(dc, x, area.top, nullptr);
      LineTo(dc, x, area.bottom);
      break;
    }
  }
}

void Paint(HWND window, const ShapeLook& look) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  HBRUSH background = CreateSolidBrush(BackgroundOf(window, look));
  FillRect(dc, &client, background);
  DeleteObject(background);
  HPEN pen = PenOf(look);
  HBRUSH fill = look.fill_colour == kSystemColour ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                                  : CreateSolidBrush(look.fill_colour);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, fill);
  SetBkMode(dc, TRANSPARENT);
  DrawShape(dc, client, look);
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  DeleteObject(pen);
  if (look.fill_colour != kSystemColour) DeleteObject(fill);
  EndPaint(window, &paint);
}

LRESULT CALLBACK ShapeProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (auto answer = HandleUnitWindowMessage(window, message, wparam, lparam)) return *answer;
  if (auto answer = HandleAsContainer(window, message, wparam, lparam)) return *answer;
  auto* look = WindowObject<ShapeLook>(window);
  switch (message) {
    case WM_ERASEBKGND: return 1;
    case WM_PAINT:
      if (look != nullptr) {
        Paint(window, *look);
        return 0;
      }
      break;
    case WM_NCDESTROY:
      KeepWindowObject<ShapeLook>(window, nullptr);
      delete look;
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

WindowHandle CreateShapeBox(const ChildWindowSpec& spec, const ShapeLook& look) {
  RegisterRuntimeClass(kShapeClassName, ShapeProcedure);
  HWND window = CreateChildWindow(kShapeClassName, 0, 0, spec);
  if (window != nullptr) KeepWindowObject(window, new ShapeLook(look));
  return reinterpret_cast<WindowHandle>(window);
}

void SetShapeLook(WindowHandle shape_box, const ShapeLook& look) {
  HWND window = reinterpret_cast<HWND>(shape_box);
  if (auto* kept = WindowObject<ShapeLook>(window)) *kept = look;
  InvalidateRect(window, nullptr, TRUE);
}

}  // namespace vorlix::platform
