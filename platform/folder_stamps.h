#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorlix::platform {

// What tells whether a folder's entries may have changed since it was
// listed: its own last-write time and the time its information last
// changed (which moves too when a program sets the last-write time back),
// read from the folder itself, never from the copy in its parent's listing
// (NTFS updates that copy lazily). On Linux also its inode, so that a
// folder put in another's place never passes for it. Stamps are compared
// for equality only: a stamp that moved backwards is a change.
struct FolderStamp {
  std::uint64_t write = 0;
  std::uint64_t change = 0;
  std::uint64_t identity = 0;  // the inode on Linux; 0 on Windows
  std::uint64_t volume = 0;    // which volume the folder lies on
  bool operator==(const FolderStamp&) const = default;
};

// The stamps' clock: nanoseconds since 1970 on Linux, 100 ns since 1601 on
// Windows, as the file systems keep them.
std::uint64_t StampClockNow();
std::uint64_t StampTicksPerSecond();

// The stamp of the folder `folder` leads to (links followed); nothing when
// it cannot be read or is no folder. On Windows the volume is told by the
// path's drive or share.
std::optional<FolderStamp> ReadFolderStamp(std::string_view folder);

// Whether the volume that holds `folder` itself (links, junctions and
// mount points on its way followed) keeps folder stamps that tell every
// change: a fixed local volume with NTFS or ReFS on Windows (so not FAT or
// exFAT, not a network share, a removable or an optical drive); on Linux
// ext2/3/4, xfs, btrfs, tmpfs, f2fs, jfs, reiserfs, zfs or bcachefs.
bool VolumeKeepsStamps(std::string_view folder);

// Whether `path` itself is a symbolic link, junction or other reparse point.
bool IsLink(std::string_view path);

}  // namespace vorlix::platform
