#include "platform/list_box_control.h"

#include <windows.h>

#include "platform/child_window_win32.h"
#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

WindowHandle CreateListBoxControl(const ChildWindowSpec& spec, const ListBoxLook& look) {
  const BorderStyles borders = BorderStylesOf(look.border);
  DWORD style = LBS_NOTIFY | WS_VSCROLL | borders.style;
  if (look.sorted) style |= LBS_SORT;
  if (look.multi_column) style |= LBS_MULTICOLUMN | WS_HSCROLL;
  if (look.multiple_selection) style |= LBS_EXTENDEDSEL;
  if (!look.integral_height) style |= LBS_NOINTEGRALHEIGHT;
  HWND list = CreateControl(L"LISTBOX", style, borders.extended, spec);
  if (list != nullptr && look.multi_column && look.column_width > 0) {
    SendMessageW(list, LB_SETCOLUMNWIDTH, static_cast<WPARAM>(look.column_width), 0);
  }
  return reinterpret_cast<WindowHandle>(list);
}

void SetListBoxColumnWidth(WindowHandle list, int width) {
  if (width > 0) SendMessageW(H(list), LB_SETCOLUMNWIDTH, static_cast<WPARAM>(width), 0);
}

void SetListBoxItems(WindowHandle list, const std::vector<std::string>& gbk_items) {
  SendMessageW(H(list), LB_RESETCONTENT, 0, 0);
  for (const auto& item : gbk_items) {
    SendMessageW(H(list), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
  }
}

std::vector<std::string> ListBoxItems(WindowHandle list) {
  std::vector<std::string> items;
  const auto count = SendMessageW(H(list), LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(H(list), LB_GETTEXTLEN, i, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(SendMessageW(H(list), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(Narrow(text));
  }
  return items;
}

int ListBoxCurrentItem(WindowHandle list) {
  const bool multiple = (GetWindowLongW(H(list), GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
  const UINT message = multiple ? LB_GETCARETINDEX : LB_GETCURSEL;
  return static_cast<int>(SendMessageW(H(list), message, 0, 0));
}

void SetListBoxCurrentItem(WindowHandle list, int index) {
  const bool multiple = (GetWindowLongW(H(list), GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
  if (multiple) {
    SendMessageW(H(list), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
  } else {
    SendMessageW(H(list), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }
}

}  // namespace vorlix::platform
