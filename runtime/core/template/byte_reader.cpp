#include "runtime/core/template/byte_reader.h"

#include <algorithm>

namespace vorlix::core {

std::span<const std::uint8_t> ByteReader::Take(std::size_t n) {
  if (n > Remaining()) {
    throw MalformedData("a field of " + std::to_string(n) + " bytes runs past the end at offset " +
                        std::to_string(position_));
  }
  auto taken = data_.subspan(position_, n);
  position_ += n;
  return taken;
}

std::uint8_t ByteReader::U8() { return Take(1)[0]; }

std::uint16_t ByteReader::U16() {
  auto b = Take(2);
  return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t ByteReader::U32() {
  auto b = Take(4);
  return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24;
}

std::span<const std::uint8_t> ByteReader::Block() { return Take(U32()); }

std::vector<std::uint8_t> ByteReader::BlockBytes() {
  auto block = Block();
  return {block.begin(), block.end()};
}

std::string ByteReader::BlockText() {
  auto block = Block();
  return {block.begin(), block.end()};
}

std::string ByteReader::CText() {
  auto rest = data_.subspan(position_);
  auto nul = std::find(rest.begin(), rest.end(), std::uint8_t{0});
  if (nul == rest.end()) {
    throw MalformedData("a text at offset " + std::to_string(position_) + " has no terminating NUL");
  }
  std::string text(rest.begin(), nul);
  position_ += text.size() + 1;
  return text;
}

std::uint32_t ByteReader::Count(std::size_t min_element_size) {
  const std::size_t at = position_;
  const std::uint32_t count = U32();
  if (min_element_size != 0 && count > Remaining() / min_element_size) {
    throw MalformedData("a count of " + std::to_string(count) + " at offset " + std::to_string(at) +
                        " runs past the end");
  }
  return count;
}

void ByteReader::ExpectEnd(const char* what) const {
  if (!AtEnd()) {
    throw MalformedData(std::to_string(Remaining()) + " bytes left over after " + what);
  }
}

}  // namespace vorlix::core
