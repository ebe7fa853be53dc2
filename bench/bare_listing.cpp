// The peer of the window's search in the benchmark under Wine: lists a
// tree breadth-first with the same calls (FindFirstFileExW, basic
// information, large fetch) and does nothing else with what it reads.
//
//     bare_listing.exe ROOT
//
// Prints one line: seconds, files, peak working set (MB).
#include <chrono>
#include <cstdio>

#include "bench/bare_tree_listing.h"
#include "bench/process_memory.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: bare_listing ROOT\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const long long files = vorlix::bench::ListTreeBare(argv[1]);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%.3f %lld %.1f\n", seconds, files, vorlix::bench::PeakWorkingSetMegabytes());
  return 0;
}
