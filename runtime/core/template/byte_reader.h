#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorlix::core {

// Stored data that cannot be read: a field runs past the end, a count is
// impossible, or bytes are left over. Callers turn it into their own failure
// (a fatal error for the window template segment, a refused unit for
// property data).
class MalformedData : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads little-endian words, counted blocks and NUL-terminated texts from a
// byte range, never past its end.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::uint8_t U8();
  std::uint16_t U16();
  std::uint32_t U32();
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

  // The next n bytes as they are.
  std::span<const std::uint8_t> Take(std::size_t n);
  // A u32 length, then that many bytes.
  std::span<const std::uint8_t> Block();
  std::vector<std::uint8_t> BlockBytes();
  std::string BlockText();
  // Bytes up to a NUL, which is consumed and not returned.
  std::string CText();
  // A u32 count of elements of at least min_element_size bytes each; an
  // element count that cannot fit in what is left is refused here, before
  // anyone loops over it.
  std::uint32_t Count(std::size_t min_element_size);

  std::size_t Position() const { return position_; }
  std::size_t Remaining() const { return data_.size() - position_; }
  bool AtEnd() const { return position_ == data_.size(); }
  // Refuses bytes left over.
  void ExpectEnd(const char* what) const;

 private:
  std::span<const std::uint8_t> data_;
  std::size_t position_ = 0;
};

}  // namespace vorlix::core
