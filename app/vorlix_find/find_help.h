#pragma once

#include <string>
#include <string_view>

namespace vorlix::app {

// What --help prints: the usage line, what the program prints, every
// option with one line, the exit statuses, where the folder index lives
// (`index_file`, empty when there is no cache folder) and an example. The
// manual page is the full reference.
std::string FindHelp(std::string_view index_file);

}  // namespace vorlix::app
