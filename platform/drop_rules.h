#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::platform {

// Drop effects as OLE numbers them, so they combine into the same masks.
namespace drop_effect {
constexpr std::uint32_t kNone = 0;
constexpr std::uint32_t kCopy = 1;
constexpr std::uint32_t kMove = 2;
constexpr std::uint32_t kLink = 4;
}  // namespace drop_effect

struct DropKeys {
  bool ctrl = false;
  bool shift = false;
};

// The effect a drop would have: none for data the target does not take;
// Ctrl alone copies, Shift alone moves, both together do nothing; without a
// key copy, else move, else link, whichever the source allows first.
std::uint32_t ChooseDropEffect(bool acceptable, DropKeys keys, std::uint32_t allowed);

// The dropped paths as one text: a single path alone, several each followed
// by CR LF.
std::string JoinDroppedPaths(const std::vector<std::string>& paths);

// Dropped HTML turns its no-break spaces into ordinary spaces.
std::u16string WithOrdinarySpaces(std::u16string_view html);

}  // namespace vorlix::platform
