#include "platform/file_facts.h"

#include <windows.h>

#include "platform/gbk_codec.h"

namespace vorlix::platform {
namespace {

LocalTime LocalTimeOf(const FILETIME& written) {
  SYSTEMTIME universal;
  SYSTEMTIME local;
  if (!FileTimeToSystemTime(&written, &universal) || !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
    return {};
  }
  return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

}  // namespace

std::optional<FileFacts> FactsOfFile(std::string_view path, ModifiedTime time) {
  // Asked for a million files at a time from several threads: a heap
  // allocation a file has the threads wait on the heap's lock, so the wide
  // path goes on the stack when it fits, as nearly every path does.
  constexpr std::size_t kStackUnits = 1024;
  if (path.empty()) return std::nullopt;
  char16_t stack_path[kStackUnits];
  std::u16string heap_path;
  const char16_t* wide = stack_path;
  if (path.size() < kStackUnits) {
    stack_path[GbkToUtf16Into(path, stack_path)] = 0;
  } else {
    heap_path = GbkToUtf16(path);
    wide = heap_path.c_str();
  }
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(reinterpret_cast<const wchar_t*>(wide), GetFileExInfoStandard, &data)) {
    return std::nullopt;
  }
  FileFacts facts;
  facts.is_folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (!facts.is_folder) facts.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  if (time == ModifiedTime::kRead) facts.modified = LocalTimeOf(data.ftLastWriteTime);
  return facts;
}

}  // namespace vorlix::platform
