#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/list_view_rows.h"
#include "runtime/core/values/value.h"

namespace vorlix::commands {

// The methods of a list view unit. Items count from 0; column 0 is an item's
// own text and columns 1 and up its subitems. An item's check state is its
// state image less one: 0 unchecked, 1 checked, -1 no check box. A reference
// to a unit that is not loaded is the fatal "指定窗口或窗口组件不存在或尚未载入".
// An index that names no item reads as an empty text, unselected and -1, and
// changes nothing.

// Texts of any length come back whole.
core::Text ListViewGetText(const core::UnitReference& list, std::int32_t index,
                           std::optional<std::int32_t> column = std::nullopt);
void ListViewSetText(const core::UnitReference& list, std::int32_t index,
                     std::optional<std::int32_t> column = std::nullopt,
                     const std::optional<core::Text>& text = std::nullopt);

std::int32_t ListViewGetCheck(const core::UnitReference& list, std::int32_t index);
// A state below -1 counts as -1; without a state the item loses its check box.
void ListViewSetCheck(const core::UnitReference& list, std::int32_t index,
                      std::optional<std::int32_t> state = std::nullopt);

// Every item's check state, or the selected items' only, in one step: no
// check-change event per item, one repaint.
void ListViewSetEveryCheck(const core::UnitReference& list, std::int32_t state, bool selected_only = false);

bool ListViewIsSelected(const core::UnitReference& list, std::int32_t index);
std::int32_t ListViewGetCount(const core::UnitReference& list);

// Inserts an item at the index (absent or negative: after the last item);
// items from there on move down by one. The text is column 0's (empty when
// absent); the image is taken from -1 up, else -1 (none); the check state as
// ListViewSetCheck's, absent leaving the list view's default (unchecked in a
// list with check boxes); the indent from 0 up, else 0. Gives the new item's
// index, or -1.
std::int32_t ListViewInsertItem(const core::UnitReference& list, std::optional<std::int32_t> index = std::nullopt,
                                const std::optional<core::Text>& text = std::nullopt,
                                std::optional<std::int32_t> image = std::nullopt,
                                std::optional<std::int32_t> check_state = std::nullopt,
                                std::optional<std::int32_t> indent = std::nullopt,
                                std::optional<std::int32_t> item_data = std::nullopt);

// As ListViewInsertItem with text and item data, and the texts of columns
// 1, 2 and on at once (the rest of them ignored); for rows that come by the
// thousand.
std::int32_t ListViewInsertRow(const core::UnitReference& list, std::int32_t index,
                               std::span<const std::string_view> texts, std::int32_t item_data);

// The item data given at insertion, which moves with its row; 0 for no item.
std::int32_t ListViewGetItemData(const core::UnitReference& list, std::int32_t index);

// Later items move up by one.
void ListViewDeleteItem(const core::UnitReference& list, std::int32_t index);
void ListViewDeleteAll(const core::UnitReference& list);
// The header's items; 0 without a header.
std::int32_t ListViewGetColumnCount(const core::UnitReference& list);

// Rows in bulk. A list view holds its rows itself and its control shows them:
// a row goes in at the top as cheaply as at the end, and the control catches
// up with the row count about ten times a second (at once when rows go).

// A row's identity: stable while the row exists, never reused in the unit's life; 0 names no row.
using ListViewRowId = std::uint64_t;
ListViewRowId ListViewGetRowId(const core::UnitReference& list, std::int32_t index);  // 0 for no such row
std::int32_t ListViewFindRow(const core::UnitReference& list, ListViewRowId id);       // current index, -1 when gone (may be O(n))
// Removes the rows with these ids in one step; ids of rows already gone are ignored.
void ListViewDeleteRows(const core::UnitReference& list, std::span<const ListViewRowId> ids);
// New row i is old row order[i]; texts, check state, selection, focus, image, indent, data and identity move with their row.
// Nothing changes unless order is a permutation of 0..count-1.
void ListViewReorderRows(const core::UnitReference& list, std::span<const std::int32_t> order);
// Rows copied for work beside the list: one column's texts packed one
// after another (a million rows cost a few allocations, not a million),
// with each row's check state and data.
class RowsCopy {
 public:
  std::size_t size() const { return rows_.size(); }
  std::string_view Text(std::size_t row) const { return rows_.Text(row); }
  std::int32_t Check(std::size_t row) const { return rows_.state_images[row] - 1; }  // as ListViewGetCheck
  std::int32_t ItemData(std::size_t row) const { return rows_.item_data[row]; }

 private:
  friend void ListViewAppendRows(const core::UnitReference&, std::int32_t, std::int32_t, std::int32_t, RowsCopy&);
  platform::ListViewRowsCopy rows_;
};
// Appends rows first to first + count - 1, as far as they exist: a big list
// is copied a stretch at a time, with the window answering in between.
void ListViewAppendRows(const core::UnitReference& list, std::int32_t column, std::int32_t first, std::int32_t count,
                        RowsCopy& copy);
// The checked rows' identities and indices, top to bottom, in one pass.
void ListViewGetCheckedRows(const core::UnitReference& list, std::vector<ListViewRowId>& ids,
                            std::vector<std::int32_t>& indices);
// Changes whenever rows go in, go, move or get another text; not with
// checks or selection. Work on a copy of the rows holds while it stays.
std::uint64_t ListViewGetRowsVersion(const core::UnitReference& list);
// Makes the control show the model's row count now (otherwise it catches up on its timer).
void ListViewFlushCount(const core::UnitReference& list);
// The same once the program turns to its messages again, not before.
void ListViewFlushCountSoon(const core::UnitReference& list);

}  // namespace vorlix::commands
