#include "platform/list_view_control.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "platform/child_window_win32.h"
#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }

constexpr DWORD kChangeableStyles = LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER | LVS_EDITLABELS | LVS_SORTASCENDING |
                                    LVS_SORTDESCENDING | LVS_SINGLESEL | LVS_SHOWSELALWAYS;

DWORD ChangeableStyleOf(const ListViewLook& look) {
  DWORD style = 0;
  if (look.view == 3 && look.hide_column_headers) style |= LVS_NOCOLUMNHEADER;
  if (!look.header_buttons) style |= LVS_NOSORTHEADER;
  if (look.label_editing) style |= LVS_EDITLABELS;
  if (look.auto_sort == 1) style |= LVS_SORTASCENDING;
  if (look.auto_sort == 2) style |= LVS_SORTDESCENDING;
  if (look.single_selection) style |= LVS_SINGLESEL;
  if (look.always_show_selection) style |= LVS_SHOWSELALWAYS;
  return style;
}

DWORD StyleOf(const ListViewLook& look) {
  static constexpr DWORD kViews[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  DWORD style = kViews[std::clamp(look.view, 0, 3)] | ChangeableStyleOf(look) | BorderStylesOf(look.border).style;
  if (look.view != 3) {
    if (look.align_left) style |= LVS_ALIGNLEFT;
    if (look.auto_arrange) style |= LVS_AUTOARRANGE;
    if (!look.wrap_labels) style |= LVS_NOLABELWRAP;
  }
  return style;
}

DWORD ExtendedStyleOf(const ListViewLook& look) {
  DWORD extended = LVS_EX_SUBITEMIMAGES | LVS_EX_INFOTIP;
  if (look.full_row_select) extended |= LVS_EX_FULLROWSELECT;
  if (look.grid_lines) extended |= LVS_EX_GRIDLINES;
  if (look.header_drag) extended |= LVS_EX_HEADERDRAGDROP;
  if (look.check_boxes) extended |= LVS_EX_CHECKBOXES;
  if (look.flat_scroll_bars) extended |= LVS_EX_FLATSB;
  if (look.hot_tracking) extended |= LVS_EX_TRACKSELECT;
  if (look.hand_cursor) extended |= LVS_EX_ONECLICKACTIVATE;
  if (look.underline_cold) extended |= LVS_EX_UNDERLINECOLD;
  if (look.underline_hot) extended |= LVS_EX_UNDERLINEHOT;
  return extended;
}

COLORREF ColourOr(std::uint32_t colour, int system) {
  return colour == 0xFF000000 ? GetSysColor(system) : colour;
}

void ApplyExtendedStylesAndColours(HWND list, const ListViewLook& look) {
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ~0u, ExtendedStyleOf(look));
  SendMessageW(list, LVM_SETTEXTCOLOR, 0, ColourOr(look.text_colour, COLOR_WINDOWTEXT));
  SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, ColourOr(look.text_background, COLOR_WINDOW));
  SendMessageW(list, LVM_SETBKCOLOR, 0, ColourOr(look.background, COLOR_WINDOW));
}

}  // namespace

WindowHandle CreateListViewControl(const ChildWindowSpec& spec, const ListViewLook& look) {
  HWND list = CreateControl(WC_LISTVIEWW, StyleOf(look), BorderStylesOf(look.border).extended, spec);
  if (list == nullptr) return 0;
  ApplyExtendedStylesAndColours(list, look);
  return reinterpret_cast<WindowHandle>(list);
}

void SetListViewLook(WindowHandle list, const ListViewLook& look) {
  DWORD style = static_cast<DWORD>(GetWindowLongW(H(list), GWL_STYLE));
  style = (style & ~kChangeableStyles) | ChangeableStyleOf(look);
  SetWindowLongW(H(list), GWL_STYLE, static_cast<LONG>(style));
  ApplyExtendedStylesAndColours(H(list), look);
  InvalidateRect(H(list), nullptr, TRUE);
}

void AppendListViewColumn(WindowHandle list, const ListViewColumnSpec& column) {
  static constexpr int kAlignments[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
  std::wstring header = Wide(column.header);
  LVCOLUMNW info{};
  info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
  info.fmt = kAlignments[std::clamp(column.alignment, 0, 2)];
  info.cx = column.width;
  info.pszText = header.data();
  if (column.image >= 0) {
    info.mask |= LVCF_IMAGE;
    info.fmt |= LVCFMT_IMAGE;
    info.iImage = column.image;
  }
  SendMessageW(H(list), LVM_INSERTCOLUMNW, static_cast<WPARAM>(ListViewColumnCount(list)),
               reinterpret_cast<LPARAM>(&info));
}

int ListViewColumnCount(WindowHandle list) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(H(list), LVM_GETHEADER, 0, 0));
  return header == nullptr ? 0 : static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
}

void DeleteAllListViewColumns(WindowHandle list) {
  while (SendMessageW(H(list), LVM_DELETECOLUMN, 0, 0)) {
  }
}

int InsertListViewItem(WindowHandle list, int index, const ListViewItemSpec& item) {
  std::wstring text = Wide(item.text);
  LVITEMW info{};
  info.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_INDENT | LVIF_PARAM;
  info.iItem = index;
  info.pszText = text.data();
  info.iImage = item.image;
  info.iIndent = item.indent;
  info.lParam = item.item_data;
  const int inserted = static_cast<int>(SendMessageW(H(list), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&info)));
  // A list with check boxes gives every new item the unchecked image.
  if (inserted >= 0 && item.state_image > 0) SetListViewStateImage(list, inserted, item.state_image);
  return inserted;
}

ListViewItemSpec ListViewItemAt(WindowHandle list, int index) {
  LVITEMW info{};
  info.mask = LVIF_IMAGE | LVIF_INDENT | LVIF_PARAM;
  info.iItem = index;
  SendMessageW(H(list), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&info));
  return {ListViewItemText(list, index, 0), info.iImage, ListViewStateImage(list, index), info.iIndent,
          static_cast<std::int32_t>(info.lParam)};
}

int ListViewItemCount(WindowHandle list) { return static_cast<int>(SendMessageW(H(list), LVM_GETITEMCOUNT, 0, 0)); }

void DeleteListViewItem(WindowHandle list, int index) {
  SendMessageW(H(list), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
}

void DeleteAllListViewItems(WindowHandle list) { SendMessageW(H(list), LVM_DELETEALLITEMS, 0, 0); }

std::string ListViewItemText(WindowHandle list, int index, int column) {
  // The control gives no length, so the buffer doubles until the text fits.
  std::vector<wchar_t> buffer(512);
  for (;;) {
    LVITEMW info{};
    info.iSubItem = column;
    info.pszText = buffer.data();
    info.cchTextMax = static_cast<int>(buffer.size());
    const auto length = static_cast<std::size_t>(
        SendMessageW(H(list), LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info)));
    if (length + 1 < buffer.size()) return Narrow(std::wstring_view(info.pszText, length));
    buffer.resize(buffer.size() * 2);
  }
}

void SetListViewItemText(WindowHandle list, int index, int column, std::string_view gbk_text) {
  std::wstring text = Wide(gbk_text);
  LVITEMW info{};
  info.iSubItem = column;
  info.pszText = text.data();
  SendMessageW(H(list), LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

int ListViewStateImage(WindowHandle list, int index) {
  const auto state = SendMessageW(H(list), LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK);
  return static_cast<int>((static_cast<UINT>(state) & LVIS_STATEIMAGEMASK) >> 12);
}

void SetListViewStateImage(WindowHandle list, int index, int image) {
  LVITEMW info{};
  info.stateMask = LVIS_STATEIMAGEMASK;
  info.state = INDEXTOSTATEIMAGEMASK(std::max(image, 0));
  SendMessageW(H(list), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

bool IsListViewItemSelected(WindowHandle list, int index) {
  return (SendMessageW(H(list), LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

int FirstSelectedListViewItem(WindowHandle list) {
  return static_cast<int>(SendMessageW(H(list), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SelectOnlyListViewItem(WindowHandle list, int index) {
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED;
  SendMessageW(H(list), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  LVITEMW info{};
  info.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  info.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(H(list), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

}  // namespace vorlix::platform
