#include "runtime/core/state/unit_font_spec.h"

#include "texts.h"

namespace vorlix::core {

platform::FontSpec FontSpecOf(const LogFont& font) {
  platform::FontSpec spec;
  spec.height = font.height;
  spec.width = font.width;
  spec.escapement = font.escapement;
  spec.orientation = font.orientation;
  spec.weight = font.weight;
  spec.italic = font.italic != 0;
  spec.underline = font.underline != 0;
  spec.strike_out = font.strike_out != 0;
  const std::string_view face = FaceName(font);
  spec.face_name = face.empty() ? std::string(texts::kDefaultFaceName) : std::string(face);
  return spec;
}

}  // namespace vorlix::core
