#include "platform/drives.h"

#include <windows.h>

namespace vorlix::platform {

DriveType DriveTypeOf(char letter) {
  wchar_t root[] = {static_cast<wchar_t>(letter), L':', L'\\', L'\0'};
  switch (GetDriveTypeW(root)) {
    case DRIVE_NO_ROOT_DIR: return DriveType::kNoRootDirectory;
    case DRIVE_REMOVABLE: return DriveType::kRemovable;
    case DRIVE_FIXED: return DriveType::kFixed;
    case DRIVE_REMOTE: return DriveType::kRemote;
    case DRIVE_CDROM: return DriveType::kCdRom;
    case DRIVE_RAMDISK: return DriveType::kRamDisk;
    default: return DriveType::kUnknown;
  }
}

}  // namespace vorlix::platform
