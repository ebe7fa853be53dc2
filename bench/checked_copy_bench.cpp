// Copies or moves every file of a folder into another through the
// platform's file operation, with or without reading each copy back, and
// prints the time, the bytes and the peak memory; or hashes a buffer in
// memory with CNG, to give the hashing rate alone.
//
//     checked_copy_bench.exe copy|move 0|1 SOURCE TARGET
//     checked_copy_bench.exe hash MEGABYTES
#include <windows.h>
#include <bcrypt.h>
#include <shellapi.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/process_memory.h"
#include "platform/shell_file_operation.h"
#include "platform/wide_text.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

int Transfer(const std::wstring& mode, bool check, const std::wstring& source, const std::wstring& target) {
  std::vector<std::filesystem::path> files;
  std::uint64_t bytes = 0;
  for (const auto& entry : std::filesystem::directory_iterator(source)) {
    files.push_back(entry.path());
    bytes += entry.file_size();
  }
  const auto start = Clock::now();
  int failed = 0;
  for (const auto& file : files) {
    const bool done = vorlix::platform::RunFileOperation({
        .shell_entry = reinterpret_cast<void*>(SHFileOperationW),
        .operation = mode == L"move" ? vorlix::platform::FileOperation::kMove : vorlix::platform::FileOperation::kCopy,
        .source = vorlix::platform::Narrow(file.wstring()),
        .target_folder = vorlix::platform::Narrow(target),
        .flags = 0x14,
        .check_copy = check,
    });
    failed += done ? 0 : 1;
  }
  std::printf("seconds=%.3f bytes=%llu files=%zu failed=%d peak_working_set=%llu\n", SecondsSince(start),
              static_cast<unsigned long long>(bytes), files.size(), failed,
              static_cast<unsigned long long>(vorlix::bench::Counters().PeakWorkingSetSize));
  return failed == 0 ? 0 : 1;
}

int Hash(std::size_t megabytes) {
  std::vector<UCHAR> block(1 << 20, 0x5A);
  BCRYPT_ALG_HANDLE provider = nullptr;
  BCRYPT_HASH_HANDLE hash = nullptr;
  if (BCryptOpenAlgorithmProvider(&provider, BCRYPT_SHA256_ALGORITHM, nullptr, 0) != 0 ||
      BCryptCreateHash(provider, &hash, nullptr, 0, nullptr, 0, 0) != 0) {
    return 1;
  }
  const auto start = Clock::now();
  for (std::size_t i = 0; i < megabytes; ++i) BCryptHashData(hash, block.data(), static_cast<ULONG>(block.size()), 0);
  UCHAR digest[32];
  BCryptFinishHash(hash, digest, sizeof digest, 0);
  std::printf("seconds=%.3f bytes=%llu\n", SecondsSince(start), static_cast<unsigned long long>(megabytes) << 20);
  BCryptDestroyHash(hash);
  BCryptCloseAlgorithmProvider(provider, 0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::wstring> arguments(argv + 1, argv + argc);
  if (arguments.size() == 2 && arguments[0] == L"hash") return Hash(std::stoul(arguments[1]));
  if (arguments.size() == 4 && (arguments[0] == L"copy" || arguments[0] == L"move")) {
    return Transfer(arguments[0], arguments[1] == L"1", arguments[2], arguments[3]);
  }
  std::fputs("usage: checked_copy_bench copy|move 0|1 SOURCE TARGET, or hash MEGABYTES\n", stderr);
  return 2;
}
