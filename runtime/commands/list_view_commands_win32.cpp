#include "runtime/commands/list_view_commands.h"

#include <algorithm>

#include "platform/list_view_control.h"
#include "runtime/core/state/live_windows.h"

namespace vorlix::commands {
namespace {

platform::WindowHandle ControlOf(const core::UnitReference& list) {
  return core::RequireLiveUnit(list.window, list.unit).window();
}

int StateImageOf(std::int32_t check_state) { return std::max(check_state, -1) + 1; }

}  // namespace

core::Text ListViewGetText(const core::UnitReference& list, std::int32_t index, std::optional<std::int32_t> column) {
  return platform::ListViewItemText(ControlOf(list), index, column.value_or(0));
}

void ListViewSetText(const core::UnitReference& list, std::int32_t index, std::optional<std::int32_t> column,
                     const std::optional<core::Text>& text) {
  platform::SetListViewItemText(ControlOf(list), index, column.value_or(0), text.value_or(core::Text()));
}

std::int32_t ListViewGetCheck(const core::UnitReference& list, std::int32_t index) {
  return platform::ListViewStateImage(ControlOf(list), index) - 1;
}

void ListViewSetCheck(const core::UnitReference& list, std::int32_t index, std::optional<std::int32_t> state) {
  platform::SetListViewStateImage(ControlOf(list), index, state ? StateImageOf(*state) : 0);
}

void ListViewSetEveryCheck(const core::UnitReference& list, std::int32_t state, bool selected_only) {
  platform::SetEveryListViewStateImage(ControlOf(list), StateImageOf(state), selected_only);
}

bool ListViewIsSelected(const core::UnitReference& list, std::int32_t index) {
  return platform::IsListViewItemSelected(ControlOf(list), index);
}

std::int32_t ListViewGetCount(const core::UnitReference& list) { return platform::ListViewItemCount(ControlOf(list)); }

std::int32_t ListViewInsertItem(const core::UnitReference& list, std::optional<std::int32_t> index,
                                const std::optional<core::Text>& text, std::optional<std::int32_t> image,
                                std::optional<std::int32_t> check_state, std::optional<std::int32_t> indent,
                                std::optional<std::int32_t> item_data) {
  platform::ListViewItemSpec item;
  item.text = text.value_or(core::Text());
  item.image = std::max(image.value_or(-1), -1);
  item.indent = std::max(indent.value_or(0), 0);
  item.item_data = item_data.value_or(0);
  // Without a state the list's default: unchecked in a list with check boxes.
  if (check_state) item.state_image = StateImageOf(*check_state);
  return platform::InsertListViewItem(ControlOf(list), index.value_or(-1), item);
}

std::int32_t ListViewInsertRow(const core::UnitReference& list, std::int32_t index,
                               std::span<const std::string_view> texts, std::int32_t item_data) {
  platform::ListViewItemSpec item;
  if (!texts.empty()) item.text = texts.front();
  item.item_data = item_data;
  return platform::InsertListViewRow(ControlOf(list), index, item, texts.empty() ? texts : texts.subspan(1));
}

std::int32_t ListViewGetItemData(const core::UnitReference& list, std::int32_t index) {
  return platform::ListViewItemAt(ControlOf(list), index).item_data;
}

void ListViewDeleteItem(const core::UnitReference& list, std::int32_t index) {
  platform::DeleteListViewItem(ControlOf(list), index);
}

void ListViewDeleteAll(const core::UnitReference& list) { platform::DeleteAllListViewItems(ControlOf(list)); }

std::int32_t ListViewGetColumnCount(const core::UnitReference& list) {
  return platform::ListViewColumnCount(ControlOf(list));
}

ListViewRowId ListViewGetRowId(const core::UnitReference& list, std::int32_t index) {
  return platform::ListViewRowIdAt(ControlOf(list), index);
}

std::int32_t ListViewFindRow(const core::UnitReference& list, ListViewRowId id) {
  return platform::ListViewRowIndex(ControlOf(list), id);
}

void ListViewDeleteRows(const core::UnitReference& list, std::span<const ListViewRowId> ids) {
  platform::DeleteListViewRows(ControlOf(list), ids);
}

void ListViewReorderRows(const core::UnitReference& list, std::span<const std::int32_t> order) {
  platform::ReorderListViewRows(ControlOf(list), order);
}

void ListViewAppendRows(const core::UnitReference& list, std::int32_t column, std::int32_t first, std::int32_t count,
                        RowsCopy& copy) {
  platform::AppendListViewRows(ControlOf(list), column, first, count, copy.rows_);
}

void ListViewGetCheckedRows(const core::UnitReference& list, std::vector<ListViewRowId>& ids,
                            std::vector<std::int32_t>& indices) {
  platform::ListViewRowsWithStateImage(ControlOf(list), StateImageOf(1), ids, indices);
}

std::uint64_t ListViewGetRowsVersion(const core::UnitReference& list) {
  return platform::ListViewRowsVersion(ControlOf(list));
}

void ListViewFlushCount(const core::UnitReference& list) { platform::ShowListViewRowCount(ControlOf(list)); }
void ListViewFlushCountSoon(const core::UnitReference& list) {
  platform::ShowListViewRowCountSoon(ControlOf(list));
}

}  // namespace vorlix::commands
