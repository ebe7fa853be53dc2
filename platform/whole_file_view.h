#pragma once

#include <memory>
#include <string_view>

namespace vorlix::platform {

// The bytes of a whole file, valid as long as their owner lives; replacing
// the file meanwhile (by moving a new one over it) leaves them as they
// were. On Linux the file is mapped, which costs far less than reading a
// large file into fresh memory; on Windows it is read, since a file that
// is mapped cannot be replaced.
struct WholeFileView {
  std::string_view bytes;
  std::shared_ptr<const void> owner;
};

// Empty bytes and no owner when the file is missing, empty or unreadable.
WholeFileView ViewWholeFile(std::string_view path);

}  // namespace vorlix::platform
