#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace vorlix::core {

// Writes the forms that ByteReader reads: little-endian words, counted
// blocks and NUL-terminated texts.
class ByteWriter {
 public:
  void U8(std::uint8_t value) { bytes_.push_back(value); }
  void U16(std::uint16_t value);
  void U32(std::uint32_t value);
  void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
  void Raw(std::span<const std::uint8_t> data) { bytes_.insert(bytes_.end(), data.begin(), data.end()); }
  void Raw(std::string_view data);
  // A u32 length, then the bytes.
  void Block(std::span<const std::uint8_t> data);
  void Block(std::string_view data);
  // The bytes and a NUL; a text holding a NUL cannot be written this way.
  void CText(std::string_view text);

  // Overwrites a word written before (a length known only afterwards).
  void PatchU32(std::size_t position, std::uint32_t value);

  std::size_t Size() const { return bytes_.size(); }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace vorlix::core
