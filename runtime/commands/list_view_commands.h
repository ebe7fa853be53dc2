#pragma once

#include <cstdint>
#include <optional>

#include "runtime/core/value.h"

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

// Later items move up by one.
void ListViewDeleteItem(const core::UnitReference& list, std::int32_t index);
void ListViewDeleteAll(const core::UnitReference& list);
// The header's items; 0 without a header.
std::int32_t ListViewGetColumnCount(const core::UnitReference& list);

}  // namespace vorlix::commands
