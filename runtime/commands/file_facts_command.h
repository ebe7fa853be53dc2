#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "runtime/core/values/date_time.h"

namespace vorlix::commands {

struct FileFacts {
  bool is_folder = false;
  std::uint64_t size = 0;        // bytes; 0 for a folder
  core::CalendarTime modified{};  // local time
};

// The item at the path as the file system describes it; none when there is
// no such item.
std::optional<FileFacts> GetFileFacts(std::string_view path);
// The same without the modified time (left empty), at two thirds of the
// cost: for a size.
std::optional<FileFacts> GetFileFactsWithoutTime(std::string_view path);

}  // namespace vorlix::commands
