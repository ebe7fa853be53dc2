#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vorlix::platform {

struct SaveFileQuestion {
  std::intptr_t owner = 0;        // a window handle, 0 for none
  std::string_view title;         // GBK
  std::string_view default_name;  // GBK, offered in the name field
  std::string_view filter_name;   // GBK, the one file type offered
  std::string_view pattern;       // its pattern, *.csv
  std::string_view extension;     // added to a name typed without one: csv
};

// The system's save dialog, which asks before an existing file is chosen
// to be replaced. The chosen file's GBK path whatever its length; empty on
// cancel. The program's current folder stays as it was.
std::string ChooseSaveFilePath(const SaveFileQuestion& question);

}  // namespace vorlix::platform
