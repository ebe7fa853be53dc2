#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/whole_file_view.h"

namespace vorlix::platform {
namespace {

class Mapping {
 public:
  Mapping(void* address, std::size_t size) : address_(address), size_(size) {}
  ~Mapping() { munmap(address_, size_); }
  Mapping(const Mapping&) = delete;
  Mapping& operator=(const Mapping&) = delete;

 private:
  void* address_;
  std::size_t size_;
};

}  // namespace

// MAP_POPULATE maps every page at once, far cheaper than a fault per page;
// the pages are the file's own in the page cache.
WholeFileView ViewWholeFile(std::string_view path) {
  const int file = open(std::string(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (file < 0) return {};
  struct stat info {};
  void* address = MAP_FAILED;
  if (fstat(file, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    address = mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, file, 0);
  }
  close(file);
  if (address == MAP_FAILED) return {};
  const auto size = static_cast<std::size_t>(info.st_size);
  auto owner = std::make_shared<const Mapping>(address, size);
  return {std::string_view(static_cast<const char*>(address), size), std::move(owner)};
}

}  // namespace vorlix::platform
