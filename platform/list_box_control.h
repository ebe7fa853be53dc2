#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/child_window.h"

namespace vorlix::platform {

struct ListBoxLook {
  int border = 1;
  bool sorted = false;
  bool multi_column = false;
  int column_width = 0;  // multi-column lists; 0 keeps the control's own
  bool multiple_selection = false;
  bool integral_height = true;
};

WindowHandle CreateListBoxControl(const ChildWindowSpec& spec, const ListBoxLook& look);
void SetListBoxColumnWidth(WindowHandle list, int width);

void SetListBoxItems(WindowHandle list, const std::vector<std::string>& gbk_items);
std::vector<std::string> ListBoxItems(WindowHandle list);
// -1 when no item is current.
int ListBoxCurrentItem(WindowHandle list);
void SetListBoxCurrentItem(WindowHandle list, int index);

}  // namespace vorlix::platform
