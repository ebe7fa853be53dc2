#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/child_window.h"
#include "platform/list_view_rows.h"

namespace vorlix::platform {

struct ListViewLook {
  int border = 1;
  int view = 3;  // 0 large icons, 1 small icons, 2 list, 3 report
  bool align_left = false;
  bool auto_arrange = false;
  bool wrap_labels = true;
  bool hide_column_headers = false;
  bool header_buttons = true;
  bool full_row_select = false;
  bool grid_lines = false;
  bool header_drag = false;
  bool hot_tracking = false;
  bool hand_cursor = false;
  bool underline_cold = false;
  bool underline_hot = false;
  bool label_editing = false;
  int auto_sort = 0;  // 0 none, 1 ascending, 2 descending
  bool check_boxes = false;
  bool flat_scroll_bars = false;
  bool single_selection = false;
  bool always_show_selection = false;
  std::uint32_t text_colour = 0xFF000000;  // 0xFF000000: the system's colour
  std::uint32_t text_background = 0xFF000000;
  std::uint32_t background = 0xFF000000;
};

// Every list view is an owner-data control over rows of the runtime's: a row
// goes in at the top as cheaply as at the end, and the control catches up
// with the row count on a timer (about ten times a second), at once when
// rows go. Every function here may be called from any thread; the work is
// done on the control's own.
WindowHandle CreateListViewControl(const ChildWindowSpec& spec, const ListViewLook& look);
// Everything but the view type and the icon-view switches, which need a new
// control.
void SetListViewLook(WindowHandle list, const ListViewLook& look);

struct ListViewColumnSpec {
  std::string header;  // GBK
  int width = 0;
  int alignment = 0;  // 0 left, 1 right, 2 centre
  int image = -1;     // -1 none
};
void AppendListViewColumn(WindowHandle list, const ListViewColumnSpec& column);
// The header's items; 0 when there is no header.
int ListViewColumnCount(WindowHandle list);
void DeleteAllListViewColumns(WindowHandle list);

// The new item's index, or -1. An index at or past the end, or negative,
// appends; a sorted list puts the item in its place.
int InsertListViewItem(WindowHandle list, int index, const ListViewItemSpec& item);
// The same with the texts of columns 1, 2 and on (as far as the list has
// them) in one step: a search puts in thousands of rows a second.
int InsertListViewRow(WindowHandle list, int index, const ListViewItemSpec& item,
                      std::span<const std::string_view> later_columns);
// The item's column-0 text, images, indent and data.
ListViewItemSpec ListViewItemAt(WindowHandle list, int index);
// The rows' count, which the control may show a moment later.
int ListViewItemCount(WindowHandle list);
void DeleteListViewItem(WindowHandle list, int index);
void DeleteAllListViewItems(WindowHandle list);

// Empty for an index or column that does not exist.
std::string ListViewItemText(WindowHandle list, int index, int column);
// See ListViewRows::AppendRows and RowsWithStateImage.
void AppendListViewRows(WindowHandle list, int column, int first, int count, ListViewRowsCopy& copy);
void ListViewRowsWithStateImage(WindowHandle list, int image, std::vector<ListViewRowId>& ids,
                                std::vector<std::int32_t>& indices);
// See ListViewRows::Version.
std::uint64_t ListViewRowsVersion(WindowHandle list);
void SetListViewItemText(WindowHandle list, int index, int column, std::string_view gbk_text);

// The state image index; with check boxes 1 is unchecked and 2 checked.
int ListViewStateImage(WindowHandle list, int index);
// A change of a row that had an image is reported as a check change, as a
// click on its box is.
void SetListViewStateImage(WindowHandle list, int index, int image);

// Every row's state image, or the selected rows' only, in one step: the
// list repaints once and reports no check change, since no row was clicked.
void SetEveryListViewStateImage(WindowHandle list, int image, bool selected_only);

bool IsListViewItemSelected(WindowHandle list, int index);
// The lowest-indexed selected item, or -1.
int FirstSelectedListViewItem(WindowHandle list);
// Selects and focuses the item, and only it.
void SelectOnlyListViewItem(WindowHandle list, int index);

// 0 for no such row.
ListViewRowId ListViewRowIdAt(WindowHandle list, int index);
// -1 when the row is gone.
int ListViewRowIndex(WindowHandle list, ListViewRowId id);
// Removes the rows with these identities in one step; unknown ones are
// ignored.
void DeleteListViewRows(WindowHandle list, std::span<const ListViewRowId> ids);
// New row i is old row order[i]; nothing changes unless `order` is a
// permutation of 0..count-1.
void ReorderListViewRows(WindowHandle list, std::span<const std::int32_t> order);
// The control shows the row count now rather than at its next tick.
void ShowListViewRowCount(WindowHandle list);
// The same, as soon as the list's thread turns to its messages again.
void ShowListViewRowCountSoon(WindowHandle list);

}  // namespace vorlix::platform
