#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// The longest value that ReadSettingsItem gives: its buffer holds 10240
// bytes with the terminating zero.
constexpr std::size_t kSettingsValueLimit = 10239;

// The item's value, or the default when the file, the section or the key is
// missing. Leading bytes up to 0x20 are skipped from the file name, the
// section and the key; when one of them is then empty the result is empty
// and the default is not used. Trailing spaces of the default are dropped,
// as the platform does. A longer value is cut to kSettingsValueLimit bytes,
// never inside a double-byte character.
core::Text ReadSettingsItem(std::string_view file, std::string_view section, std::string_view key,
                             std::optional<std::string_view> default_text = std::nullopt);

// Writes the item; without a key removes the whole section, without a value
// removes the key; an empty value is written as such. The file is replaced
// in one step, so a failure never leaves it cut off, and keeps its encoding
// (GBK, or UTF-8 or UTF-16 with a byte-order mark). False when the file
// cannot be read or written, or the item cannot be stored in the layout
// (an empty section or key name, a line break in a name or the value, or a
// key holding '=' or starting with '[' or ';').
bool WriteSettingsItem(std::string_view file, std::string_view section, std::optional<std::string_view> key,
                       std::optional<std::string_view> value);

// The item's value however long, for lists that may outgrow
// ReadSettingsItem's buffer; none when the file, the section or the key is
// missing. Names are taken as ReadSettingsItem takes them.
std::optional<core::Text> ReadWholeSettingsItem(std::string_view file, std::string_view section,
                                                std::string_view key);

struct SettingsItem {
  std::string_view key;
  std::string_view value;
};

// Writes the items of one section in one replacement of the file, so that
// they change together or not at all. False as WriteSettingsItem, and then
// none is written.
bool WriteSettingsItems(std::string_view file, std::string_view section, std::span<const SettingsItem> items);

}  // namespace vorlix::commands
