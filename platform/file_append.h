#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vorlix::platform {

// Adds the data at the end of the file at the GBK path, in one write. An
// empty or missing file is created and given `start_of_new_file` first
// (a byte-order mark, a heading). Bytes already there are never rewritten;
// others may read and append meanwhile. False when the file cannot be
// opened (another program holding it, say) or the write fails.
bool AppendToFile(std::string_view path, std::span<const std::uint8_t> start_of_new_file,
                  std::span<const std::uint8_t> data);

}  // namespace vorlix::platform
