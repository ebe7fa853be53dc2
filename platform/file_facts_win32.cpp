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
  // Asked for a million files at a time from several threads: the wide path
  // goes into a buffer of the thread's own, since a heap allocation a file
  // has the threads wait on the heap's lock.
  thread_local std::u16string wide;
  wide.clear();
  AppendGbkAsUtf16(path, wide);
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (path.empty() || !GetFileAttributesExW(reinterpret_cast<const wchar_t*>(wide.c_str()), GetFileExInfoStandard, &data)) {
    return std::nullopt;
  }
  FileFacts facts;
  facts.is_folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (!facts.is_folder) facts.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  if (time == ModifiedTime::kRead) facts.modified = LocalTimeOf(data.ftLastWriteTime);
  return facts;
}

}  // namespace vorlix::platform
