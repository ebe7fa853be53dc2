#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cwchar>
#include <cwctype>
#include <functional>
#include <optional>
#include <string>

#include "platform/final_path.h"
#include "platform/folder_stamps.h"
#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

using QueryFullAttributes = NTSTATUS(NTAPI*)(POBJECT_ATTRIBUTES, PFILE_NETWORK_OPEN_INFORMATION);
using DosPathToNtPath = BOOLEAN(NTAPI*)(PCWSTR, PUNICODE_STRING, PCWSTR*, PVOID);
using FreeUnicodeString = VOID(NTAPI*)(PUNICODE_STRING);

template <class Function>
Function FromNtdll(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), name)));
}

// A drive root keeps its backslash; any other folder loses it.
std::wstring WidePath(std::string_view folder) {
  std::wstring wide = Wide(folder);
  if (wide.size() > 3 && wide.back() == L'\\') wide.pop_back();
  return wide;
}

// The drive letter, or the \\server\share a path lies on, as a number;
// mount points inside a volume are reparse points, which the index never
// trusts.
std::uint64_t VolumeOf(const std::wstring& path) {
  if (path.size() >= 2 && path[1] == L':') return std::towupper(path[0]);
  if (!path.starts_with(L"\\\\")) return 0;
  std::size_t end = path.find(L'\\', 2);
  if (end != std::wstring::npos) end = path.find(L'\\', end + 1);
  std::wstring share = path.substr(0, end);
  for (wchar_t& letter : share) letter = static_cast<wchar_t>(std::towlower(letter));
  return std::hash<std::wstring>{}(share) | 0x10000;
}

std::uint64_t Ticks(const LARGE_INTEGER& time) { return static_cast<std::uint64_t>(time.QuadPart); }

}  // namespace

std::uint64_t StampClockNow() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

std::uint64_t StampTicksPerSecond() { return 10000000; }

// NtQueryFullAttributesFile reads the folder's own record by its path, as
// GetFileAttributesExW does and at its cost, and gives the change time as
// well; an open handle per folder costs tens of times as much under Wine
// (bench/stamp_cost.exe measures both).
std::optional<FolderStamp> ReadFolderStamp(std::string_view folder) {
  static const auto query = FromNtdll<QueryFullAttributes>("NtQueryFullAttributesFile");
  static const auto to_nt_path = FromNtdll<DosPathToNtPath>("RtlDosPathNameToNtPathName_U");
  static const auto free_text = FromNtdll<FreeUnicodeString>("RtlFreeUnicodeString");
  const std::wstring path = WidePath(folder);
  UNICODE_STRING nt_path;
  if (!to_nt_path(path.c_str(), &nt_path, nullptr, nullptr)) return std::nullopt;
  OBJECT_ATTRIBUTES attributes;
  InitializeObjectAttributes(&attributes, &nt_path, OBJ_CASE_INSENSITIVE, nullptr, nullptr);
  FILE_NETWORK_OPEN_INFORMATION information;
  const NTSTATUS status = query(&attributes, &information);
  free_text(&nt_path);
  if (status < 0 || !(information.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  return FolderStamp{Ticks(information.LastWriteTime), Ticks(information.ChangeTime), 0, VolumeOf(path)};
}

// Decided by the volume that holds the folder itself, not by its drive
// letter: a folder below a junction, a mounted folder or a link may lie on a
// FAT, removable or network volume. Wine shows a Unix mount inside a drive
// as a volume mounted on a folder, whose information it cannot give, and
// complains on its error stream when the information of a drive that is no
// disk (its Unix root, say) is asked for: the drive type is asked first.
bool VolumeKeepsStamps(std::string_view folder) {
  const std::optional<std::wstring> path = FinalPath(Wide(folder));
  wchar_t volume[MAX_PATH + 2] = {};
  if (!path || !GetVolumePathNameW(path->c_str(), volume, MAX_PATH + 1)) return false;
  const std::size_t size = std::wcslen(volume);
  if (size == 0) return false;
  if (volume[size - 1] != L'\\') volume[size] = L'\\';  // Wine leaves it off a mounted folder
  if (GetDriveTypeW(volume) != DRIVE_FIXED) return false;
  wchar_t file_system[MAX_PATH + 1] = {};
  if (!GetVolumeInformationW(volume, nullptr, 0, nullptr, nullptr, nullptr, file_system, MAX_PATH + 1)) return false;
  return std::wstring_view(file_system) == L"NTFS" || std::wstring_view(file_system) == L"ReFS";
}

bool IsLink(std::string_view path) {
  const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

}  // namespace vorlix::platform
