#pragma once

// The bare listing the benchmark programs time against: a tree breadth
// first with the calls the window's search makes (FindFirstFileExW, basic
// information, large fetch), nothing else done with what it reads.
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

namespace vorlix::bench {

inline bool IsDotOrDotDot(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

// The number of files below `root`; every folder's path, the root first,
// into `folders_out` when given.
inline long long ListTreeBare(const std::wstring& root, std::vector<std::wstring>* folders_out = nullptr) {
  long long files = 0;
  std::deque<std::wstring> folders{root};
  while (!folders.empty()) {
    const std::wstring folder = std::move(folders.front());
    folders.pop_front();
    if (folders_out) folders_out->push_back(folder);
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

}  // namespace vorlix::bench
