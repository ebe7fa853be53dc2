// What a folder's stamp costs to read, against listing the folders, and
// what the system says about its drives: the facts behind the folder
// index's choices on Windows.
//
//     stamp_cost.exe ROOT [ROUNDS]
//
// Lists the tree below ROOT once to learn its folders, then, ROUNDS times
// (default 3) interleaved, times: the listing of every folder
// (FindFirstFileExW, basic information, large fetch); GetFileAttributesExW
// on every folder (last-write time only); NtQueryFullAttributesFile on
// every folder (last-write and change time, by path); and CreateFileW with
// GetFileInformationByHandleEx(FileBasicInfo) and CloseHandle (the same
// two times through an open handle). Prints the best time of each and its
// ratio to the listing, then whether each way's change time moves when a
// folder's last-write time is set back, and every drive's type, file
// system and flags.
#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/bare_tree_listing.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Times {
  unsigned long long write = 0;
  unsigned long long change = 0;
  bool ok = false;
};

Times ByAttributes(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return {};
  return {(static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
              data.ftLastWriteTime.dwLowDateTime,
          0, true};
}

using QueryFullAttributes = NTSTATUS(NTAPI*)(POBJECT_ATTRIBUTES, PFILE_NETWORK_OPEN_INFORMATION);
using DosPathToNtPath = BOOLEAN(NTAPI*)(PCWSTR, PUNICODE_STRING, PCWSTR*, PVOID);
using FreeUnicodeString = VOID(NTAPI*)(PUNICODE_STRING);

HMODULE Ntdll() { return GetModuleHandleW(L"ntdll.dll"); }

Times ByFullAttributes(const std::wstring& path) {
  static const auto query =
      reinterpret_cast<QueryFullAttributes>(reinterpret_cast<void*>(GetProcAddress(Ntdll(), "NtQueryFullAttributesFile")));
  static const auto to_nt = reinterpret_cast<DosPathToNtPath>(reinterpret_cast<void*>(GetProcAddress(Ntdll(), "RtlDosPathNameToNtPathName_U")));
  static const auto free_text = reinterpret_cast<FreeUnicodeString>(reinterpret_cast<void*>(GetProcAddress(Ntdll(), "RtlFreeUnicodeString")));
  UNICODE_STRING nt_path;
  if (!to_nt(path.c_str(), &nt_path, nullptr, nullptr)) return {};
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &nt_path, OBJ_CASE_INSENSITIVE, nullptr, nullptr);
  FILE_NETWORK_OPEN_INFORMATION information;
  const NTSTATUS status = query(&attributes, &information);
  free_text(&nt_path);
  if (status < 0) return {};
  return {static_cast<unsigned long long>(information.LastWriteTime.QuadPart),
          static_cast<unsigned long long>(information.ChangeTime.QuadPart), true};
}

Times ByHandle(const std::wstring& path) {
  HANDLE folder = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (folder == INVALID_HANDLE_VALUE) return {};
  FILE_BASIC_INFO basic;
  const bool ok = GetFileInformationByHandleEx(folder, FileBasicInfo, &basic, sizeof basic) != 0;
  CloseHandle(folder);
  if (!ok) return {};
  return {static_cast<unsigned long long>(basic.LastWriteTime.QuadPart),
          static_cast<unsigned long long>(basic.ChangeTime.QuadPart), true};
}

double Seconds(const std::function<void()>& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double StampAll(const std::vector<std::wstring>& folders, Times (*read)(const std::wstring&)) {
  return Seconds([&] {
    for (const std::wstring& folder : folders) {
      if (!read(folder).ok) std::fprintf(stderr, "no stamp: %ls\n", folder.c_str());
    }
  });
}

// Sets a scratch folder's last-write time a day back and reports, for each
// way, whether the change time it gives moved.
void ReportChangeTime(const std::wstring& root) {
  const std::wstring scratch = root + L"\\stamp-cost-scratch";
  CreateDirectoryW(scratch.c_str(), nullptr);
  Sleep(50);
  const Times handle_before = ByHandle(scratch), full_before = ByFullAttributes(scratch);
  HANDLE folder = CreateFileW(scratch.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  FILETIME back;
  ULARGE_INTEGER value;
  value.QuadPart = handle_before.write - 864000000000ULL;
  back.dwLowDateTime = value.LowPart;
  back.dwHighDateTime = value.HighPart;
  Sleep(50);
  SetFileTime(folder, nullptr, nullptr, &back);
  CloseHandle(folder);
  const Times handle_after = ByHandle(scratch), full_after = ByFullAttributes(scratch);
  std::printf("last-write set back a day: by handle write %s change %s; by path (NtQueryFullAttributesFile) write %s "
              "change %s\n",
              handle_after.write != handle_before.write ? "moved" : "same",
              handle_after.change != handle_before.change ? "moved" : "same",
              full_after.write != full_before.write ? "moved" : "same",
              full_after.change != full_before.change ? "moved" : "same");
  RemoveDirectoryW(scratch.c_str());
}

const char* DriveTypeName(UINT type) {
  switch (type) {
    case DRIVE_REMOVABLE: return "removable";
    case DRIVE_FIXED: return "fixed";
    case DRIVE_REMOTE: return "remote";
    case DRIVE_CDROM: return "cdrom";
    case DRIVE_RAMDISK: return "ramdisk";
    default: return "other";
  }
}

void ReportDrives() {
  const DWORD drives = GetLogicalDrives();
  for (int letter = 0; letter < 26; ++letter) {
    if (!(drives & (1u << letter))) continue;
    const wchar_t root[] = {static_cast<wchar_t>(L'A' + letter), L':', L'\\', 0};
    wchar_t file_system[64] = L"-";
    DWORD serial = 0, longest = 0, flags = 0;
    GetVolumeInformationW(root, nullptr, 0, &serial, &longest, &flags, file_system, 64);
    std::printf("drive %lc: %-9s file system %-6ls flags 0x%08lx serial %08lx\n", root[0],
                DriveTypeName(GetDriveTypeW(root)), file_system, flags, serial);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: stamp_cost ROOT [ROUNDS]\n");
    return 2;
  }
  const std::wstring root = argv[1];
  const int rounds = argc == 3 ? _wtoi(argv[2]) : 3;
  std::vector<std::wstring> folders;
  const long long files = vorlix::bench::ListTreeBare(root, &folders);
  double listing = 1e9, attributes = 1e9, full = 1e9, handle = 1e9;
  for (int round = 0; round < rounds; ++round) {
    listing = std::min(listing, Seconds([&] { vorlix::bench::ListTreeBare(root); }));
    attributes = std::min(attributes, StampAll(folders, ByAttributes));
    full = std::min(full, StampAll(folders, ByFullAttributes));
    handle = std::min(handle, StampAll(folders, ByHandle));
  }
  std::printf("%zu folders, %lld files; best of %d rounds\n", folders.size(), files, rounds);
  std::printf("listing every folder                         %7.3f s\n", listing);
  std::printf("GetFileAttributesExW (last write)            %7.3f s  %5.1f%% of the listing\n", attributes,
              100 * attributes / listing);
  std::printf("NtQueryFullAttributesFile (write and change) %7.3f s  %5.1f%%\n", full, 100 * full / listing);
  std::printf("open handle + FileBasicInfo (write, change)  %7.3f s  %5.1f%%\n", handle, 100 * handle / listing);
  ReportChangeTime(root);
  ReportDrives();
  return 0;
}
