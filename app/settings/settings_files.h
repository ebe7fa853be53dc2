#pragma once

#include <string_view>

#include "runtime/core/values/value.h"

// The files of the options and of the saved state, in the program's
// folder. Each path is built anew from the program's folder at every use.
namespace vorlix::app::settings {

inline constexpr std::string_view kOptionsSection = "zhuce";
inline constexpr std::string_view kFoldersSection = "lb";
inline constexpr std::string_view kFolderRowsKey = "bxjl";
inline constexpr std::string_view kCheckedRowsKey = "gxbx";

core::Text OptionsFile();       // config.ini
core::Text SavedFoldersFile();  // gxbx.ini
core::Text SavedNamesFile();    // filemame.txt

// The option's stored value; the empty text when the file or key is missing.
core::Text ReadOption(std::string_view key);
// Stores "真" or "假". A failure is not reported: the option then holds on
// screen for this run only.
void WriteOption(std::string_view key, bool on);

}  // namespace vorlix::app::settings
