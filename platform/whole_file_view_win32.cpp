#include <string>

#include "platform/whole_file.h"
#include "platform/whole_file_view.h"

namespace vorlix::platform {

WholeFileView ViewWholeFile(std::string_view path) {
  FileContent content = ReadWholeFile(path, ReadSharing::kReadersOnly);
  if (content.status != FileContent::Status::kRead || content.bytes.empty()) return {};
  auto owner = std::make_shared<const std::string>(content.bytes.begin(), content.bytes.end());
  const std::string_view bytes = *owner;
  return {bytes, std::move(owner)};
}

}  // namespace vorlix::platform
