#include "runtime/commands/drive_commands.h"

#include "platform/drives.h"
#include "platform/gbk_codec.h"
#include "platform/whole_drive_path.h"

namespace vorlix::commands {
namespace {

using platform::DriveType;

bool KindTakes(std::int32_t kind, DriveType type) {
  switch (kind) {
    case 1: return type == DriveType::kFixed;
    case 2: return type == DriveType::kCdRom;
    case 3: return type == DriveType::kRemovable;
    case 4: return type == DriveType::kRemote;
    default:
      return type == DriveType::kFixed || type == DriveType::kCdRom || type == DriveType::kRemovable ||
             type == DriveType::kRemote;
  }
}

}  // namespace

std::vector<std::string> GetDriveList(std::optional<std::int32_t> kind) {
  std::vector<std::string> drives;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (KindTakes(kind.value_or(0), platform::DriveTypeOf(letter))) drives.push_back({letter, ':'});
  }
  return drives;
}

bool IsWholeDrive(std::string_view path) { return platform::IsWholeDrivePath(platform::GbkToUtf16(path)); }

}  // namespace vorlix::commands
