#include "app/search/index/base128.h"

namespace vorlix::app {

void AppendBase128(std::string& out, std::uint64_t value) {
  while (value >= 0x80) {
    out += static_cast<char>(0x80 | (value & 0x7F));
    value >>= 7;
  }
  out += static_cast<char>(value);
}

bool ReadBase128(std::string_view in, std::size_t& at, std::uint64_t& value) {
  value = 0;
  for (int shift = 0; shift < 64; shift += 7) {
    if (at == in.size()) return false;
    const auto byte = static_cast<unsigned char>(in[at++]);
    value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
    if (byte < 0x80) return true;
  }
  return false;
}

}  // namespace vorlix::app
