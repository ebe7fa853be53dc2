#pragma once

#include <string_view>

namespace vorlix::commands::settings {

// White space as the private-profile functions see it: tab to carriage
// return, ^Z (a DOS end-of-file mark) and space. None of these bytes can be
// the second byte of a GBK character, so trimming may work on bytes.
bool IsBlank(char c);
std::string_view TrimBlanks(std::string_view text);

// Names of sections and keys compare without regard to case, as the
// platform compares them after widening: ASCII letters and GBK's
// full-width Latin, Greek, Cyrillic letters and Roman numerals.
bool SameName(std::string_view a, std::string_view b);

}  // namespace vorlix::commands::settings
