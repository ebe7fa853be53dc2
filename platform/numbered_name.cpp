#include "platform/numbered_name.h"

namespace vorlix::platform {

std::u16string NumberedName(std::u16string_view name, int number, bool is_folder) {
  std::size_t dot = is_folder ? std::u16string_view::npos : name.rfind(u'.');
  if (dot == 0) dot = std::u16string_view::npos;
  const std::u16string_view stem = name.substr(0, dot);
  const std::u16string_view extension = dot == std::u16string_view::npos ? std::u16string_view() : name.substr(dot);
  std::u16string numbered(stem);
  numbered += u" (";
  for (char digit : std::to_string(number)) numbered += static_cast<char16_t>(digit);
  numbered += u')';
  numbered += extension;
  return numbered;
}

}  // namespace vorlix::platform
