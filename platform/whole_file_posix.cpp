// The native build's whole-file access. POSIX has no share modes, so the
// sharing asked for is not enforced here.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <string>

#include "platform/whole_file.h"

namespace vorlix::platform {
namespace {

bool WriteAll(int file, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    ssize_t written = write(file, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

bool ReadAll(int file, std::vector<std::uint8_t>& bytes) {
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    ssize_t got = read(file, bytes.data() + filled, bytes.size() - filled);
    if (got < 0) return false;
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  return true;
}

}  // namespace

FileContent ReadWholeFile(std::string_view path, ReadSharing) {
  int file = open(std::string(path).c_str(), O_RDONLY);
  if (file < 0) {
    bool missing = errno == ENOENT || errno == ENOTDIR;
    return {missing ? FileContent::Status::kMissing : FileContent::Status::kFailed, {}};
  }
  FileContent content;
  struct stat info {};
  if (fstat(file, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= std::numeric_limits<std::int32_t>::max()) {
    content.bytes.resize(static_cast<std::size_t>(info.st_size));
    if (ReadAll(file, content.bytes)) content.status = FileContent::Status::kRead;
  }
  close(file);
  if (content.status != FileContent::Status::kRead) content.bytes.clear();
  return content;
}

bool WriteWholeFile(std::string_view path, std::span<const std::span<const std::uint8_t>> parts) {
  int file = open(std::string(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (file < 0) return false;
  bool written = true;
  for (std::span<const std::uint8_t> part : parts) {
    if (!WriteAll(file, part)) {
      written = false;
      break;
    }
  }
  return close(file) == 0 && written;
}

bool ReplaceWholeFile(std::string_view path, std::span<const std::uint8_t> content, Durability durability) {
  FileReplacement replacement(path);
  replacement.Write(content);
  return replacement.Commit(durability);
}

FileReplacement::FileReplacement(std::string_view path) : target_(path), file_(-1) {
  static std::atomic<unsigned> counter{0};
  std::string beside = target_ + "." + std::to_string(getpid()) + "-" + std::to_string(++counter) + ".new";
  file_ = open(beside.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (file_ >= 0) beside_ = std::move(beside);
}

FileReplacement::~FileReplacement() {
  if (file_ >= 0) close(static_cast<int>(file_));
  if (!beside_.empty()) unlink(beside_.c_str());
}

bool FileReplacement::Write(std::span<const std::uint8_t> piece) {
  if (file_ >= 0 && !WriteAll(static_cast<int>(file_), piece)) {
    close(static_cast<int>(file_));
    file_ = -1;
  }
  return file_ >= 0;
}

bool FileReplacement::Commit(Durability durability) {
  if (file_ < 0) return false;
  bool written = durability == Durability::kCache || fsync(static_cast<int>(file_)) == 0;
  written = close(static_cast<int>(file_)) == 0 && written;
  file_ = -1;
  if (!written || std::rename(beside_.c_str(), target_.c_str()) != 0) return false;
  beside_.clear();
  return true;
}

}  // namespace vorlix::platform
