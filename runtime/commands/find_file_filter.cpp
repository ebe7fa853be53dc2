#include "runtime/commands/find_file_filter.h"

namespace vorlix::commands {
namespace {

constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kFilterBits = 0x37;

}  // namespace

bool FindFilePasses(std::uint32_t attributes, std::optional<std::int32_t> filter) {
  if (!filter) return (attributes & kDirectory) == 0;
  std::uint32_t mask = static_cast<std::uint32_t>(*filter) & kFilterBits;
  if (mask == 0) return attributes == 0;
  return (attributes & mask) != 0;
}

}  // namespace vorlix::commands
