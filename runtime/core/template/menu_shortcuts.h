#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vorlix::core {

// The runtime's table of 77 key combinations that menu items name by number
// (1-77): Ctrl+A to Ctrl+Z, then F1-F12 alone and with Ctrl, Shift and
// Ctrl+Shift, then Ctrl+Ins, Shift+Ins and Del.
struct KeyCombination {
  std::uint16_t key = 0;  // virtual-key code
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  std::string name;  // as appended to the caption, e.g. "Ctrl+A"
};

constexpr std::uint32_t kKeyCombinationCount = 77;

// Nothing for 0 and numbers past the table.
std::optional<KeyCombination> MenuShortcut(std::uint32_t number);

}  // namespace vorlix::core
