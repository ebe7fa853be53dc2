#include "runtime/core/template/menu_shortcuts.h"

namespace vorlix::core {
namespace {

// Virtual-key codes of the keys in the table.
constexpr std::uint16_t kF1 = 0x70;
constexpr std::uint16_t kInsert = 0x2D;
constexpr std::uint16_t kDelete = 0x2E;

KeyCombination FunctionKey(std::uint32_t index, bool ctrl, bool shift) {
  std::string name = std::string(ctrl ? "Ctrl+" : "") + (shift ? "Shift+" : "") + "F" + std::to_string(index + 1);
  return {static_cast<std::uint16_t>(kF1 + index), ctrl, shift, false, name};
}

}  // namespace

std::optional<KeyCombination> MenuShortcut(std::uint32_t number) {
  if (number == 0 || number > kKeyCombinationCount) return std::nullopt;
  std::uint32_t index = number - 1;
  if (index < 26) {
    const char letter = static_cast<char>('A' + index);
    return KeyCombination{static_cast<std::uint16_t>(letter), true, false, false, std::string("Ctrl+") + letter};
  }
  index -= 26;
  if (index < 48) return FunctionKey(index % 12, index / 12 == 1 || index / 12 == 3, index / 12 >= 2);
  index -= 48;
  static const KeyCombination kEditingKeys[] = {
      {kInsert, true, false, false, "Ctrl+Ins"},
      {kInsert, false, true, false, "Shift+Ins"},
      {kDelete, false, false, false, "Del"},
  };
  return kEditingKeys[index];
}

}  // namespace vorlix::core
