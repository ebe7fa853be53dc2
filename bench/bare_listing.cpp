// The peer of the window's search in the benchmark under Wine: lists a
// tree breadth-first with the same calls (FindFirstFileExW, basic
// information, large fetch) and does nothing else with what it reads.
//
//     bare_listing.exe ROOT
//
// Prints one line: seconds, files, peak working set (MB).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <deque>
#include <string>

#include "bench/process_memory.h"

namespace {

bool IsDotOrDotDot(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

long long ListTree(const std::wstring& root) {
  long long files = 0;
  std::deque<std::wstring> folders{root};
  while (!folders.empty()) {
    const std::wstring folder = std::move(folders.front());
    folders.pop_front();
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) continue;
    do {
      if (IsDotOrDotDot(entry.cFileName)) continue;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        folders.push_back(folder + L"\\" + entry.cFileName);
      } else {
        ++files;
      }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  return files;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bare_listing ROOT\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const long long files = ListTree(argv[1]);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%.3f %lld %.1f\n", seconds, files, vorlix::bench::PeakWorkingSetMegabytes());
  return 0;
}
