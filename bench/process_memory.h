#pragma once

// This process's memory, as the benchmark programs report it.
#include <windows.h>
#include <psapi.h>

#include <cstdint>

namespace vorlix::bench {

using HeapBytes = std::uint64_t;

inline PROCESS_MEMORY_COUNTERS_EX Counters() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  return counters;
}

// The bytes in use in every heap of the process. Wine's private-usage
// counter follows the address space rather than what is allocated, so the
// heaps are walked instead.
inline HeapBytes BytesInHeaps() {
  HANDLE heaps[256];
  const DWORD count = GetProcessHeaps(256, heaps);
  HeapBytes bytes = 0;
  for (DWORD i = 0; i < count && i < 256; ++i) {
    HeapLock(heaps[i]);
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heaps[i], &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
    }
    HeapUnlock(heaps[i]);
  }
  return bytes;
}

inline double PeakWorkingSetMegabytes() { return static_cast<double>(Counters().PeakWorkingSetSize) / (1024 * 1024); }

// The most address space the process had committed: what a 32-bit program
// runs out of first (Wine's counter follows the address space).
inline double PeakCommittedMegabytes() { return static_cast<double>(Counters().PeakPagefileUsage) / (1024 * 1024); }

// The address space the process may use: 2 GB for a 32-bit program, 4 GB
// when it is large-address-aware on a 64-bit system.
inline double AddressSpaceMegabytes() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatusEx(&status);
  return static_cast<double>(status.ullTotalVirtual) / (1024 * 1024);
}

}  // namespace vorlix::bench
