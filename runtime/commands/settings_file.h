#pragma once

#include <optional>
#include <string>
#include <string_view>

// The private-profile settings file over GBK bytes: the layout that the
// platform's GetPrivateProfileString and WritePrivateProfileString read and
// write, so that either side reads what the other wrote. Section and key
// names are matched without surrounding blanks and without regard to case;
// only the first section of a name counts, and in it the first entry of a
// key. A write changes only the lines of its item: other sections and keys,
// comments, blank lines and lines the reader does not understand stay as
// they were.
namespace vorlix::commands::settings {

// The item's value, its enclosing pair of quotes (" or ') removed; none
// when the section or the key is missing, or the key's line has no '='.
std::optional<std::string> FindValue(std::string_view content, std::string_view section, std::string_view key);

// The content with the item set. A new key goes after the last entry of
// the section, a new section at the end of the file. A value that the
// reader would not give back as it is (blanks at either end, or enclosing
// quotes of its own) is stored inside quotes. None when the item cannot be
// stored: an empty section or key name, a line break in any of the three,
// '=' in the key, or a key starting with '[' or ';' (it would read as a
// section header or a comment).
std::optional<std::string> SetValue(std::string_view content, std::string_view section, std::string_view key,
                                    std::string_view value);

// The content without any entry of the key in the sections of that name.
std::string RemoveKey(std::string_view content, std::string_view section, std::string_view key);

// The content without the sections of that name: each header and the lines
// up to the section's last entry. Comments and blank lines after the last
// entry stay, since they usually introduce what follows.
std::string RemoveSection(std::string_view content, std::string_view section);

}  // namespace vorlix::commands::settings
