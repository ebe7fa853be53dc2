#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/core/values/value.h"

namespace vorlix::commands {

// The system's save dialog owned by the window handle (0: none), offering
// one file type (its name and pattern, as "CSV 文件 (*.csv)" and "*.csv")
// and the default name; a name typed without an extension gets
// `extension`. It asks before an existing file is replaced. The chosen
// path, or the empty text on cancel.
core::Text ChooseSaveFile(std::int32_t owner, std::string_view title, std::string_view default_name,
                          std::string_view filter_name, std::string_view pattern, std::string_view extension);

}  // namespace vorlix::commands
