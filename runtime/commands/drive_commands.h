#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::commands {

// The drives "A:" to "Z:", in letter order, of a kind: 1 fixed disks,
// 2 CD-ROM drives, 3 removable drives, 4 network drives; absent, 0 or any
// other value: every drive of those four kinds (RAM disks, drives of
// unknown type and letters without a root are left out).
std::vector<std::string> GetDriveList(std::optional<std::int32_t> kind = std::nullopt);

// Whether the GBK path names a whole drive or share ("D:", "D:\",
// "\\server\share"), which no file operation may be handed as an item.
bool IsWholeDrive(std::string_view path);

}  // namespace vorlix::commands
