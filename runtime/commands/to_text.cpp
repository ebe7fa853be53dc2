#include "runtime/commands/conversion_commands.h"

#include <string>

#include "runtime/core/values/overloaded.h"
#include "runtime/core/values/raw_value.h"
#include "runtime/core/values/text_format.h"
#include "texts.h"

namespace vorlix::commands {
namespace {

core::Text DateTimeText(core::DateTime when) {
  const core::CalendarTime time = core::ToCalendar(when);
  core::Text text = core::FormatText(texts::kDateFormat, time.year, time.month, time.day);
  if (time.second != 0) {
    text += core::FormatText(texts::kTimeHourMinuteSecond, time.hour, time.minute, time.second);
  } else if (time.minute != 0) {
    text += core::FormatText(texts::kTimeHourMinute, time.hour, time.minute);
  } else if (time.hour != 0) {
    text += core::FormatText(texts::kTimeHour, time.hour);
  }
  return text;
}

core::Text TextUpToZero(const core::ByteSet& bytes) {
  core::Text text(bytes.begin(), bytes.end());
  return text.substr(0, text.find('\0'));
}

core::Text ArrayText(const core::Array& array) {
  if (!core::IsNumericType(array.element_type())) return {};
  core::ByteSet bytes;
  for (const core::Value& element : array.elements()) core::AppendMemoryForm(element, bytes);
  return TextUpToZero(bytes);
}

}  // namespace

core::Text ToText(const core::Value& value) {
  return std::visit(core::Overloaded{
                        [](std::uint8_t v) { return std::to_string(v); },
                        [](std::int16_t v) { return std::to_string(v); },
                        [](std::int32_t v) { return std::to_string(v); },
                        [](std::int64_t v) { return std::to_string(v); },
                        [](float v) { return core::FormatText("%.6g", static_cast<double>(v)); },
                        [](double v) { return core::FormatText("%.13g", v); },
                        [](bool v) { return core::Text(v ? texts::kTrue : texts::kFalse); },
                        [](core::DateTime v) { return DateTimeText(v); },
                        [](const core::Text& v) { return v; },
                        [](const core::ByteSet& v) { return TextUpToZero(v); },
                        [](const core::Array& v) { return ArrayText(v); },
                        [](const auto&) { return core::Text(); },
                    },
                    value.storage());
}

}  // namespace vorlix::commands
