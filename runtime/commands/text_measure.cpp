#include "runtime/commands/text_measure.h"

#include <algorithm>

#include "runtime/commands/byte_count.h"
#include "runtime/core/values/allocation.h"

namespace vorlix::commands {

std::int32_t TextLength(std::string_view text) { return ByteCount(text.size()); }

core::Text TextLeft(std::string_view text, std::int32_t count) {
  if (count <= 0) return {};
  return core::Text(text.substr(0, static_cast<std::size_t>(count)));
}

core::Text TextRight(std::string_view text, std::int32_t count) {
  if (count <= 0) return {};
  const std::size_t kept = std::min(text.size(), static_cast<std::size_t>(count));
  return core::Text(text.substr(text.size() - kept));
}

core::Text SpaceText(std::int32_t count) {
  if (count < 1) return {};
  const auto length = static_cast<std::size_t>(count);
  return core::AllocateOrFail(length + 1, [length] { return core::Text(length, ' '); });
}

}  // namespace vorlix::commands
