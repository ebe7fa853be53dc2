#include "runtime/commands/code_page_commands.h"

#include "platform/ansi_code_page.h"
#include "platform/gbk_codec.h"

namespace vorlix::commands {

std::optional<std::string> TextInAnsiCodePage(const core::Text& text) { return platform::InAnsiCodePage(text); }

std::u16string TextInUtf16(const core::Text& text) { return platform::GbkToUtf16(text); }

}  // namespace vorlix::commands
