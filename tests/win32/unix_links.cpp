#include "tests/win32/unix_links.h"

#include <windows.h>

#include <filesystem>
#include <fstream>

#include "platform/wide_text.h"

namespace vorlix::testing {
namespace {

using UnixFileName = char*(__cdecl*)(const wchar_t*);

std::wstring Quoted(const std::string& utf8) {
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  return L"\"" + wide + L"\"";
}

// Wine starts a Unix program like a Windows one; its end is awaited by
// what it leaves on the disk, as `done` tells. Wine gives no process for a
// Unix program, and a 32-bit caller then finds in hThread a number that
// names one of its own handles: closing it broke the clipboard and every
// later window. Only a real process's handles are closed.
template <class Done>
bool RunUnix(const wchar_t* program, std::wstring command_line, Done done) {
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  if (process.hProcess != nullptr) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  for (int wait = 0; wait < 500; ++wait, Sleep(10)) {
    if (done()) return true;
  }
  return false;
}

bool Exists(const std::string& path) {
  return GetFileAttributesW(platform::Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Utf8(const std::wstring& wide) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size, nullptr, nullptr);
  return utf8;
}

// The Unix path of an item that need not exist yet: its folder's, and its
// name in UTF-8.
std::string UnixPathOfNew(const std::string& path) {
  const std::wstring wide = platform::Wide(path);
  const std::size_t separator = wide.rfind(L'\\');
  return UnixPath(platform::Narrow(wide.substr(0, separator))) + "/" + Utf8(wide.substr(separator + 1));
}

// Without FindFirstFile's folding of case: the exact name must be listed.
bool ListedExactly(const std::string& path) {
  WIN32_FIND_DATAW entry;
  HANDLE found = FindFirstFileW(platform::Wide(path).c_str(), &entry);
  if (found == INVALID_HANDLE_VALUE) return false;
  FindClose(found);
  const std::wstring wide = platform::Wide(path);
  return wide.ends_with(entry.cFileName);
}

}  // namespace

std::string UnixPath(const std::string& windows_path) {
  const auto unix_file_name = reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  if (unix_file_name == nullptr) return {};
  char* path = unix_file_name(platform::Wide(windows_path).c_str());
  if (path == nullptr) return {};
  std::string unix_path(path);
  HeapFree(GetProcessHeap(), 0, path);
  return unix_path;
}

bool MakeUnixLink(const std::string& unix_target, const std::string& link) {
  return RunUnix(L"Z:\\bin\\ln", L"ln -s " + Quoted(unix_target) + L" " + Quoted(UnixPathOfNew(link)),
                 [&] { return ListedExactly(link); });
}

bool RenameUnix(const std::string& from, const std::string& to) {
  return RunUnix(L"Z:\\bin\\mv", L"mv " + Quoted(UnixPath(from)) + L" " + Quoted(UnixPathOfNew(to)),
                 [&] { return ListedExactly(to) && !ListedExactly(from); });
}

bool RemoveUnixTree(const std::string& folder) {
  return RunUnix(L"Z:\\bin\\rm", L"rm -rf " + Quoted(UnixPath(folder)), [&] { return !Exists(folder); });
}

namespace {

// Unix's shell runs the command, which ends by making `marker`.
bool RunShell(const std::string& command, const std::string& marker) {
  return RunUnix(L"Z:\\bin\\sh", L"sh -c " + Quoted(command + " && touch '" + UnixPathOfNew(marker) + "'"),
                 [&] { return Exists(marker); });
}

}  // namespace

std::string UnixSha256(const std::string& file, const std::string& scratch) {
  DeleteFileW(platform::Wide(scratch + ".done").c_str());
  if (!RunShell("sha256sum < '" + UnixPath(file) + "' > '" + UnixPathOfNew(scratch) + "'", scratch + ".done")) return {};
  std::ifstream printed(std::filesystem::path(platform::Wide(scratch)));
  std::string digest;
  printed >> digest;
  return digest;
}

bool MountSmallVolume(const std::string& folder, int kilobytes) {
  const std::string place = UnixPath(folder);
  return RunShell("mount -t tmpfs -o size=" + std::to_string(kilobytes) + "k tmpfs '" + place + "'",
                  folder + "\\mounted");
}

bool UnmountVolume(const std::string& folder) {
  return RunUnix(L"Z:\\bin\\umount", L"umount " + Quoted(UnixPath(folder)), [&] { return !Exists(folder + "\\mounted"); });
}

}  // namespace vorlix::testing
