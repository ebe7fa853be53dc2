#include "platform/file_append.h"

#include <windows.h>

#include <vector>

#include "platform/wide_text.h"

namespace vorlix::platform {

// A handle with append access and no write access writes at the end
// whatever its position, so two programs appending never overwrite each
// other's lines.
bool AppendToFile(std::string_view path, std::span<const std::uint8_t> start_of_new_file,
                  std::span<const std::uint8_t> data) {
  if (path.empty()) return false;
  HANDLE file = CreateFileW(Wide(path).c_str(), FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | SYNCHRONIZE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  const bool known = GetFileSizeEx(file, &size) != FALSE;
  std::vector<std::uint8_t> bytes;
  if (known && size.QuadPart == 0) bytes.assign(start_of_new_file.begin(), start_of_new_file.end());
  bytes.insert(bytes.end(), data.begin(), data.end());
  DWORD written = 0;
  const bool appended = known && WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                        written == bytes.size();
  return CloseHandle(file) && appended;
}

}  // namespace vorlix::platform
