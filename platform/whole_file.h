#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorlix::platform {

enum class ReadSharing {
  kReadersOnly,  // others may read meanwhile, nobody may write
  kEveryone,     // others may also write, rename or delete meanwhile
};

struct FileContent {
  enum class Status { kRead, kMissing, kFailed } status = Status::kFailed;
  std::vector<std::uint8_t> bytes;
};

// The whole content of a file. Missing means the file (or its folder) does
// not exist; failed covers every other error, a locked file among them.
FileContent ReadWholeFile(std::string_view path, ReadSharing sharing);

// Creates the file, or cuts an existing one to length 0, with nobody else
// allowed in, and writes the parts back to back. False when the file cannot
// be opened or a write or the close fails; what was written stays.
bool WriteWholeFile(std::string_view path, std::span<const std::span<const std::uint8_t>> parts);

// Gives the file the new content in one step: the content goes to a new
// file beside it, which then takes the old file's place, so that a failure
// at any point leaves either the old or the new content, never a part.
// Hidden and system attributes of the old file carry over.
enum class Durability {
  kFlushed,  // on the disk before it takes the old file's place
  kCache,    // a cache that can be rebuilt, not flushed: after a crash it may be cut short
};
bool ReplaceWholeFile(std::string_view path, std::span<const std::uint8_t> content,
                      Durability durability = Durability::kFlushed);

// The same promise for a content too big to hold at once: it goes to the
// new file beside the old a piece at a time, and takes the old file's place
// only at Commit (called once). Dropped before, or after a failed write,
// the new file goes and the old stays as it was.
class FileReplacement {
 public:
  explicit FileReplacement(std::string_view path);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // False when the new file could not be made, or this or an earlier
  // write failed.
  bool Write(std::span<const std::uint8_t> piece);
  bool Commit(Durability durability = Durability::kFlushed);

 private:
  std::string target_;
  std::string beside_;     // the new file; empty once in place, or when none was made
  std::intptr_t file_;     // its handle (descriptor); -1 when closed or never opened
};

}  // namespace vorlix::platform
