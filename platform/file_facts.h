#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/local_time.h"

namespace vorlix::platform {

struct FileFacts {
  bool is_folder = false;
  std::uint64_t size = 0;  // bytes; 0 for a folder
  LocalTime modified;      // in the time zone's rules for that date
};

// Whether the modified time is wanted: putting it into local time costs
// half as much again as asking the file system (under Wine).
enum class ModifiedTime { kRead, kLeftOut };

// What the file system says of the item at the GBK path; none when there
// is no such item or it cannot be asked. With the time left out,
// `modified` stays empty.
std::optional<FileFacts> FactsOfFile(std::string_view path, ModifiedTime time = ModifiedTime::kRead);

}  // namespace vorlix::platform
