#include <sys/stat.h>
#include <sys/vfs.h>
#include <time.h>

#include <string>

#include "platform/folder_stamps.h"

namespace vorlix::platform {
namespace {

constexpr std::uint64_t kNanoseconds = 1000000000;

std::uint64_t Ticks(const timespec& time) {
  return static_cast<std::uint64_t>(time.tv_sec) * kNanoseconds + static_cast<std::uint64_t>(time.tv_nsec);
}

// File systems that update a folder's times whenever an entry comes, goes
// or is renamed. Network, FUSE, FAT, overlay and the kernel's own (proc,
// sysfs) file systems are left out: their folder times do not tell every
// change, or not at once.
bool KeepsStamps(long type) {
  switch (static_cast<unsigned long>(type)) {
    case 0xEF53:       // ext2, ext3, ext4
    case 0x58465342:   // xfs
    case 0x9123683E:   // btrfs
    case 0x01021994:   // tmpfs
    case 0xF2F52010:   // f2fs
    case 0x3153464A:   // jfs
    case 0x52654973:   // reiserfs
    case 0x2FC12FC1:   // zfs
    case 0xCA451A4E:   // bcachefs
      return true;
    default:
      return false;
  }
}

// lstat of "a/" follows a link named a: the closing separator goes.
std::string WithoutClosingSeparator(std::string_view path) {
  std::string trimmed(path);
  while (trimmed.size() > 1 && trimmed.back() == '/') trimmed.pop_back();
  return trimmed;
}

}  // namespace

std::uint64_t StampClockNow() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return Ticks(now);
}

std::uint64_t StampTicksPerSecond() { return kNanoseconds; }

std::optional<FolderStamp> ReadFolderStamp(std::string_view folder) {
  struct stat info {};
  if (stat(std::string(folder).c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return std::nullopt;
  return FolderStamp{Ticks(info.st_mtim), Ticks(info.st_ctim), static_cast<std::uint64_t>(info.st_ino),
                     static_cast<std::uint64_t>(info.st_dev)};
}

bool VolumeKeepsStamps(std::string_view folder) {
  struct statfs info {};
  return statfs(std::string(folder).c_str(), &info) == 0 && KeepsStamps(info.f_type);
}

bool IsLink(std::string_view path) {
  struct stat info {};
  return lstat(WithoutClosingSeparator(path).c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

}  // namespace vorlix::platform
