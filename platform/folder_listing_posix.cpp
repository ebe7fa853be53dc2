// Linux: getdents64 straight into a large buffer; the entry type it gives
// saves a stat per entry, which is made only for links and for file
// systems that leave the type unknown.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <string>

#include "platform/folder_listing.h"

namespace vorlix::platform {
namespace {

constexpr std::size_t kBufferBytes = 256 * 1024;

class OpenFolder {
 public:
  explicit OpenFolder(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
  ~OpenFolder() {
    if (fd_ >= 0) close(fd_);
  }
  OpenFolder(const OpenFolder&) = delete;
  OpenFolder& operator=(const OpenFolder&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

// Fills in what the entry type left open: whether a link or an entry of
// unknown type is, or leads to, a folder.
void Classify(int folder, const char* name, unsigned char type, FolderEntry& entry) {
  struct stat info {};
  if (type == DT_UNKNOWN) {
    if (fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return;
    if (!S_ISLNK(info.st_mode)) {
      entry.is_folder = S_ISDIR(info.st_mode);
      return;
    }
  }
  entry.is_link = true;
  entry.is_folder = fstatat(folder, name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

bool IsDotOrDotDot(const char* name) { return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)); }

}  // namespace

bool ListFolder(std::string_view folder, FolderEntryVisitor& visitor) {
  const OpenFolder open_folder{std::string(folder)};
  if (open_folder.fd() < 0) return false;
  thread_local const std::unique_ptr<char[]> buffer(new char[kBufferBytes]);
  for (;;) {
    const ssize_t filled = getdents64(open_folder.fd(), buffer.get(), kBufferBytes);
    if (filled == 0) return true;
    if (filled < 0 && errno == EINTR) continue;
    if (filled < 0) return false;  // a read error (EIO, say) cuts the listing short
    for (ssize_t offset = 0; offset < filled;) {
      const auto* item = reinterpret_cast<const dirent64*>(buffer.get() + offset);
      offset += item->d_reclen;
      if (IsDotOrDotDot(item->d_name)) continue;
      FolderEntry entry{item->d_name, item->d_type == DT_DIR, false};
      if (item->d_type == DT_LNK || item->d_type == DT_UNKNOWN) Classify(open_folder.fd(), item->d_name, item->d_type, entry);
      if (!visitor.Visit(entry)) return true;
    }
  }
}

std::optional<FolderIdentity> IdentifyFolder(std::string_view path) {
  struct stat info {};
  if (stat(std::string(path).c_str(), &info) != 0) return std::nullopt;
  return FolderIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

bool IsFolder(std::string_view path) {
  struct stat info {};
  return stat(std::string(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace vorlix::platform
