#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "runtime/core/template/property_value.h"

namespace vorlix::core {

// A stored font: the 60 bytes of the platform's ANSI logical font record,
// little-endian, in this order. The platform side copies the fields into its
// own structure; nothing here depends on its headers.
struct LogFont {
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strike_out = 0;
  std::uint8_t char_set = 0;
  std::uint8_t out_precision = 0;
  std::uint8_t clip_precision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitch_and_family = 0;
  // GBK, NUL-padded; the last byte is always NUL.
  std::array<std::uint8_t, 32> face_name{};

  bool operator==(const LogFont&) const = default;
};

constexpr std::size_t kLogFontSize = 60;
constexpr std::int32_t kNormalWeight = 400;
constexpr std::int32_t kBoldWeight = 700;

// A font block of any length other than 60 bytes (empty included) means the
// system's default GUI font: nothing.
std::optional<LogFont> DecodeFont(const ByteSet& block);
ByteSet EncodeFont(const LogFont& font);

// Height in pixels as stored (negative: character height), weight, face name
// (at most 31 bytes are kept).
LogFont MakeFont(std::int32_t height, std::int32_t weight, std::string_view face_name = {});
std::string_view FaceName(const LogFont& font);

}  // namespace vorlix::core
