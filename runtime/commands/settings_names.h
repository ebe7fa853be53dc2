#pragma once

#include <string_view>

namespace vorlix::commands::settings {

// White space as the private-profile functions see it: tab to carriage
// return, ^Z (a DOS end-of-file mark) and space. None of these bytes can be
// the second byte of a GBK character, so trimming may work on bytes.
bool IsBlank(char c);
std::string_view TrimBlanks(std::string_view text);

// Names of sections and keys compare without regard to the case of ASCII
// letters. Like the platform's functions (measured under Wine), letters of
// other scripts fold nowhere, full-width ones included; a second byte that
// looks like a letter is never folded.
bool SameName(std::string_view a, std::string_view b);

}  // namespace vorlix::commands::settings
