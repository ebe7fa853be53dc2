#include "runtime/commands/list_view_commands.h"

#include <algorithm>

#include "platform/list_view_control.h"
#include "runtime/core/live_windows.h"

namespace vorlix::commands {
namespace {

platform::WindowHandle ControlOf(const core::UnitReference& list) {
  return core::RequireLiveUnit(list.window, list.unit).window();
}

// The control reads a negative index as "every item", so the commands that
// change an item check it first.
bool NamesItem(platform::WindowHandle control, std::int32_t index) {
  return index >= 0 && index < platform::ListViewItemCount(control);
}

int StateImageOf(std::int32_t check_state) { return std::max(check_state, -1) + 1; }

}  // namespace

core::Text ListViewGetText(const core::UnitReference& list, std::int32_t index, std::optional<std::int32_t> column) {
  return platform::ListViewItemText(ControlOf(list), index, column.value_or(0));
}

void ListViewSetText(const core::UnitReference& list, std::int32_t index, std::optional<std::int32_t> column,
                     const std::optional<core::Text>& text) {
  const platform::WindowHandle control = ControlOf(list);
  if (!NamesItem(control, index)) return;
  platform::SetListViewItemText(control, index, column.value_or(0), text.value_or(core::Text()));
}

std::int32_t ListViewGetCheck(const core::UnitReference& list, std::int32_t index) {
  return platform::ListViewStateImage(ControlOf(list), index) - 1;
}

void ListViewSetCheck(const core::UnitReference& list, std::int32_t index, std::optional<std::int32_t> state) {
  const platform::WindowHandle control = ControlOf(list);
  if (!NamesItem(control, index)) return;
  platform::SetListViewStateImage(control, index, state ? StateImageOf(*state) : 0);
}

bool ListViewIsSelected(const core::UnitReference& list, std::int32_t index) {
  return platform::IsListViewItemSelected(ControlOf(list), index);
}

std::int32_t ListViewGetCount(const core::UnitReference& list) { return platform::ListViewItemCount(ControlOf(list)); }

std::int32_t ListViewInsertItem(const core::UnitReference& list, std::optional<std::int32_t> index,
                                const std::optional<core::Text>& text, std::optional<std::int32_t> image,
                                std::optional<std::int32_t> check_state, std::optional<std::int32_t> indent,
                                std::optional<std::int32_t> item_data) {
  const platform::WindowHandle control = ControlOf(list);
  const std::int32_t at = index.value_or(-1) < 0 ? platform::ListViewItemCount(control) : *index;
  platform::ListViewItemSpec item;
  item.text = text.value_or(core::Text());
  item.image = std::max(image.value_or(-1), -1);
  item.indent = std::max(indent.value_or(0), 0);
  item.item_data = item_data.value_or(0);
  if (check_state) item.state_image = StateImageOf(*check_state);
  const int inserted = platform::InsertListViewItem(control, at, item);
  // A list with check boxes gives a new item one unless told otherwise.
  if (inserted >= 0 && check_state && item.state_image == 0) platform::SetListViewStateImage(control, inserted, 0);
  return inserted;
}

void ListViewDeleteItem(const core::UnitReference& list, std::int32_t index) {
  const platform::WindowHandle control = ControlOf(list);
  if (!NamesItem(control, index)) return;
  platform::DeleteListViewItem(control, index);
}

void ListViewDeleteAll(const core::UnitReference& list) { platform::DeleteAllListViewItems(ControlOf(list)); }

std::int32_t ListViewGetColumnCount(const core::UnitReference& list) {
  return platform::ListViewColumnCount(ControlOf(list));
}

}  // namespace vorlix::commands
