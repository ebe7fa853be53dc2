#include "platform/list_view_control.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "platform/child_window_win32.h"
#include "platform/list_view_binding_win32.h"
#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }

constexpr DWORD kChangeableStyles =
    LVS_NOCOLUMNHEADER | LVS_NOSORTHEADER | LVS_EDITLABELS | LVS_SINGLESEL | LVS_SHOWSELALWAYS;

DWORD ChangeableStyleOf(const ListViewLook& look) {
  DWORD style = 0;
  if (look.view == 3 && look.hide_column_headers) style |= LVS_NOCOLUMNHEADER;
  if (!look.header_buttons) style |= LVS_NOSORTHEADER;
  if (look.label_editing) style |= LVS_EDITLABELS;
  if (look.single_selection) style |= LVS_SINGLESEL;
  if (look.always_show_selection) style |= LVS_SHOWSELALWAYS;
  return style;
}

DWORD StyleOf(const ListViewLook& look) {
  static constexpr DWORD kViews[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  // An owner-data control cannot sort: the rows keep their sorted order
  // themselves.
  DWORD style = kViews[std::clamp(look.view, 0, 3)] | LVS_OWNERDATA | ChangeableStyleOf(look) |
                BorderStylesOf(look.border).style;
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

void ApplyExtendedStylesAndColours(ListViewBinding& binding, const ListViewLook& look) {
  HWND list = binding.list;
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, ~0u, ExtendedStyleOf(look));
  // The control asks for the state images (the check boxes) as it paints and
  // when asked for an item's state.
  SendMessageW(list, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
  SendMessageW(list, LVM_SETTEXTCOLOR, 0, ColourOr(look.text_colour, COLOR_WINDOWTEXT));
  SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, ColourOr(look.text_background, COLOR_WINDOW));
  SendMessageW(list, LVM_SETBKCOLOR, 0, ColourOr(look.background, COLOR_WINDOW));
  binding.auto_sort = look.auto_sort;
  // As in any list view, check boxes give every row one, unchecked.
  binding.rows.SetDefaultStateImage(look.check_boxes ? 1 : 0);
  if (look.check_boxes) binding.rows.FillMissingStateImages(1);
}

}  // namespace

WindowHandle CreateListViewControl(const ChildWindowSpec& spec, const ListViewLook& look) {
  HWND list = CreateControl(WC_LISTVIEWW, StyleOf(look), BorderStylesOf(look.border).extended, spec);
  if (list == nullptr) return 0;
  ApplyExtendedStylesAndColours(BindListView(list), look);
  return reinterpret_cast<WindowHandle>(list);
}

void SetListViewLook(WindowHandle list, const ListViewLook& look) {
  WithListViewRows(H(list), [&](ListViewBinding& binding) {
    auto style = static_cast<DWORD>(GetWindowLongW(binding.list, GWL_STYLE));
    style = (style & ~kChangeableStyles) | ChangeableStyleOf(look);
    SetWindowLongW(binding.list, GWL_STYLE, static_cast<LONG>(style));
    ApplyExtendedStylesAndColours(binding, look);
    InvalidateRect(binding.list, nullptr, TRUE);
  });
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
  return InsertListViewRow(list, index, item, {});
}

int InsertListViewRow(WindowHandle list, int index, const ListViewItemSpec& item,
                      std::span<const std::string_view> later_columns) {
  return WithListViewRows(H(list), -1,
                          [&](ListViewBinding& binding) { return InsertRow(binding, index, item, later_columns); });
}

ListViewItemSpec ListViewItemAt(WindowHandle list, int index) {
  return WithListViewRows(H(list), ListViewItemSpec{},
                          [&](ListViewBinding& binding) { return binding.rows.ItemAt(index); });
}

int ListViewItemCount(WindowHandle list) {
  return WithListViewRows(H(list), 0, [](ListViewBinding& binding) { return binding.rows.Count(); });
}

void DeleteListViewItem(WindowHandle list, int index) {
  WithListViewRows(H(list), [&](ListViewBinding& binding) { DeleteRow(binding, index); });
}

void DeleteAllListViewItems(WindowHandle list) { WithListViewRows(H(list), DeleteAllRows); }

std::string ListViewItemText(WindowHandle list, int index, int column) {
  return WithListViewRows(H(list), std::string(),
                          [&](ListViewBinding& binding) { return std::string(binding.rows.Text(index, column)); });
}

void AppendListViewRows(WindowHandle list, int column, int first, int count, ListViewRowsCopy& copy) {
  WithListViewRows(H(list), [&](ListViewBinding& binding) { binding.rows.AppendRows(column, first, count, copy); });
}

void ListViewRowsWithStateImage(WindowHandle list, int image, std::vector<ListViewRowId>& ids,
                                std::vector<std::int32_t>& indices) {
  WithListViewRows(H(list), [&](ListViewBinding& binding) { binding.rows.RowsWithStateImage(image, ids, indices); });
}

std::uint64_t ListViewRowsVersion(WindowHandle list) {
  return WithListViewRows(H(list), std::uint64_t{0}, [](ListViewBinding& binding) { return binding.rows.Version(); });
}

void SetListViewItemText(WindowHandle list, int index, int column, std::string_view gbk_text) {
  WithListViewRows(H(list), [&](ListViewBinding& binding) { SetRowText(binding, index, column, gbk_text); });
}

int ListViewStateImage(WindowHandle list, int index) {
  return WithListViewRows(H(list), 0, [&](ListViewBinding& binding) { return binding.rows.StateImage(index); });
}

void SetListViewStateImage(WindowHandle list, int index, int image) {
  WithListViewRows(H(list), [&](ListViewBinding& binding) { ChangeStateImage(binding, index, image); });
}

void SetEveryListViewStateImage(WindowHandle list, int image, bool selected_only) {
  WithListViewRows(H(list), [&](ListViewBinding& binding) {
    if (selected_only) {
      binding.rows.SetSelectedStateImages(image);
    } else {
      binding.rows.SetEveryStateImage(image);
    }
    binding.repaint_pending = true;
    CatchUpSoon(binding);
  });
}

bool IsListViewItemSelected(WindowHandle list, int index) {
  return WithListViewRows(H(list), false, [&](ListViewBinding& binding) { return binding.rows.IsSelected(index); });
}

int FirstSelectedListViewItem(WindowHandle list) {
  return WithListViewRows(H(list), -1, [](ListViewBinding& binding) { return binding.rows.FirstSelected(); });
}

// Through the control, as the user's selection goes: its notices bring the
// change into the rows and report the new focus.
void SelectOnlyListViewItem(WindowHandle list, int index) {
  WithListViewRows(H(list), [&](ListViewBinding& binding) {
    CatchUp(binding);
    LVITEMW none{};
    none.stateMask = LVIS_SELECTED;
    SendMessageW(binding.list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    if (!binding.rows.Exists(index)) return;
    LVITEMW info{};
    info.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    info.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(binding.list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  });
}

ListViewRowId ListViewRowIdAt(WindowHandle list, int index) {
  return WithListViewRows(H(list), ListViewRowId{0},
                          [&](ListViewBinding& binding) { return binding.rows.IdAt(index); });
}

int ListViewRowIndex(WindowHandle list, ListViewRowId id) {
  return WithListViewRows(H(list), -1, [&](ListViewBinding& binding) { return binding.rows.IndexOf(id); });
}

void DeleteListViewRows(WindowHandle list, std::span<const ListViewRowId> ids) {
  WithListViewRows(H(list), [&](ListViewBinding& binding) {
    if (binding.rows.EraseIds(ids) > 0) RowsMoved(binding);
  });
}

void ReorderListViewRows(WindowHandle list, std::span<const std::int32_t> order) {
  WithListViewRows(H(list), [&](ListViewBinding& binding) {
    if (binding.rows.Reorder(order)) RowsMoved(binding);
  });
}

void ShowListViewRowCount(WindowHandle list) { WithListViewRows(H(list), CatchUp); }
void ShowListViewRowCountSoon(WindowHandle list) { WithListViewRows(H(list), CatchUpAtNextTurn); }

}  // namespace vorlix::platform
