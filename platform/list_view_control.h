#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/child_window.h"

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

struct ListViewItemSpec {
  std::string text;  // GBK, column 0
  int image = -1;
  int state_image = 0;  // with check boxes: 1 unchecked, 2 checked
  int indent = 0;
  std::int32_t item_data = 0;
};
// The new item's index, or -1. An index at or past the end appends.
int InsertListViewItem(WindowHandle list, int index, const ListViewItemSpec& item);
// The item's column-0 text, images, indent and data.
ListViewItemSpec ListViewItemAt(WindowHandle list, int index);
int ListViewItemCount(WindowHandle list);
void DeleteListViewItem(WindowHandle list, int index);
void DeleteAllListViewItems(WindowHandle list);

// Empty for an index or column that does not exist.
std::string ListViewItemText(WindowHandle list, int index, int column);
void SetListViewItemText(WindowHandle list, int index, int column, std::string_view gbk_text);

// The state image index; with check boxes 1 is unchecked and 2 checked.
int ListViewStateImage(WindowHandle list, int index);
void SetListViewStateImage(WindowHandle list, int index, int image);

bool IsListViewItemSelected(WindowHandle list, int index);
// The lowest-indexed selected item, or -1.
int FirstSelectedListViewItem(WindowHandle list);
// Selects and focuses the item, and only it.
void SelectOnlyListViewItem(WindowHandle list, int index);

}  // namespace vorlix::platform
