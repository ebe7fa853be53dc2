#pragma once

#include "platform/unit_font.h"
#include "runtime/core/template/log_font.h"

namespace vorlix::core {

// The font to create for a stored one. A font stored without a face name
// gets the system's standard face for Chinese text.
platform::FontSpec FontSpecOf(const LogFont& font);

}  // namespace vorlix::core
