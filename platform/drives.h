#pragma once

namespace vorlix::platform {

enum class DriveType { kUnknown, kNoRootDirectory, kRemovable, kFixed, kRemote, kCdRom, kRamDisk };

// The type of the drive with this letter ('A' to 'Z').
DriveType DriveTypeOf(char letter);

}  // namespace vorlix::platform
