#include "runtime/commands/message_box_command.h"

#include "platform/message_box.h"
#include "runtime/commands/conversion_commands.h"
#include "runtime/core/values/overloaded.h"
#include "texts.h"

namespace vorlix::commands {
namespace {

constexpr std::uint32_t kSystemModal = 0x1000;
constexpr std::uint32_t kTaskModal = 0x2000;

// Byte sets, arrays and the rest show nothing rather than their bytes.
core::Text MessageOf(const core::Value& value) {
  return std::visit(core::Overloaded{
                        [&](std::uint8_t) { return ToText(value); },
                        [&](std::int16_t) { return ToText(value); },
                        [&](std::int32_t) { return ToText(value); },
                        [&](std::int64_t) { return ToText(value); },
                        [&](float) { return ToText(value); },
                        [&](double) { return ToText(value); },
                        [&](bool) { return ToText(value); },
                        [&](core::DateTime) { return ToText(value); },
                        [](const core::Text& text) { return text; },
                        [](const auto&) { return core::Text(); },
                    },
                    value.storage());
}

// The platform numbers the buttons from 1 (OK) to 7 (No).
std::int32_t ButtonNumber(int pressed) { return pressed >= 1 && pressed <= 7 ? pressed - 1 : 0; }

}  // namespace

std::int32_t MessageBox(const core::Value& message, std::int32_t style, const std::optional<core::Text>& title) {
  std::uint32_t box_style = static_cast<std::uint32_t>(style);
  if ((box_style & kSystemModal) == 0) box_style |= kTaskModal;
  const core::Text shown_title = title.value_or(core::Text(texts::kMessageBoxDefaultTitle));
  return ButtonNumber(platform::ShowMessageBox(MessageOf(message), shown_title, box_style));
}

}  // namespace vorlix::commands
