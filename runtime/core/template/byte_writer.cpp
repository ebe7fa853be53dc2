#include "runtime/core/template/byte_writer.h"

#include <stdexcept>
#include <string>

namespace vorlix::core {

void ByteWriter::U16(std::uint16_t value) {
  U8(static_cast<std::uint8_t>(value));
  U8(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::U32(std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) U8(static_cast<std::uint8_t>(value >> shift));
}

void ByteWriter::Raw(std::string_view data) {
  bytes_.insert(bytes_.end(), data.begin(), data.end());
}

void ByteWriter::Block(std::span<const std::uint8_t> data) {
  U32(static_cast<std::uint32_t>(data.size()));
  Raw(data);
}

void ByteWriter::Block(std::string_view data) {
  U32(static_cast<std::uint32_t>(data.size()));
  Raw(data);
}

void ByteWriter::CText(std::string_view text) {
  if (text.find('\0') != std::string_view::npos) {
    throw std::invalid_argument("a NUL-terminated text cannot hold a NUL: " + std::string(text));
  }
  Raw(text);
  U8(0);
}

void ByteWriter::PatchU32(std::size_t position, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes_.at(position + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace vorlix::core
