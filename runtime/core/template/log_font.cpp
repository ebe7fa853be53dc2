#include "runtime/core/template/log_font.h"

#include <algorithm>

#include "runtime/core/template/byte_reader.h"
#include "runtime/core/template/byte_writer.h"

namespace vorlix::core {

std::optional<LogFont> DecodeFont(const ByteSet& block) {
  if (block.size() != kLogFontSize) return std::nullopt;
  ByteReader in(block);
  LogFont font;
  font.height = in.I32();
  font.width = in.I32();
  font.escapement = in.I32();
  font.orientation = in.I32();
  font.weight = in.I32();
  font.italic = in.U8();
  font.underline = in.U8();
  font.strike_out = in.U8();
  font.char_set = in.U8();
  font.out_precision = in.U8();
  font.clip_precision = in.U8();
  font.quality = in.U8();
  font.pitch_and_family = in.U8();
  auto face = in.Take(font.face_name.size());
  std::copy(face.begin(), face.end(), font.face_name.begin());
  // A face name that fills all 32 bytes has no terminator; keep it a text.
  font.face_name.back() = 0;
  return font;
}

ByteSet EncodeFont(const LogFont& font) {
  ByteWriter out;
  out.I32(font.height);
  out.I32(font.width);
  out.I32(font.escapement);
  out.I32(font.orientation);
  out.I32(font.weight);
  for (auto byte : {font.italic, font.underline, font.strike_out, font.char_set, font.out_precision,
                    font.clip_precision, font.quality, font.pitch_and_family}) {
    out.U8(byte);
  }
  out.Raw(font.face_name);
  return out.Take();
}

LogFont MakeFont(std::int32_t height, std::int32_t weight, std::string_view face_name) {
  LogFont font;
  font.height = height;
  font.weight = weight;
  const auto kept = std::min(face_name.size(), font.face_name.size() - 1);
  std::copy_n(face_name.begin(), kept, font.face_name.begin());
  return font;
}

std::string_view FaceName(const LogFont& font) {
  const auto end = std::find(font.face_name.begin(), font.face_name.end(), 0);
  return {reinterpret_cast<const char*>(font.face_name.data()),
          static_cast<std::size_t>(end - font.face_name.begin())};
}

}  // namespace vorlix::core
