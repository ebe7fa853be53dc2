#include "tests/win32/unix_link.h"

#include <windows.h>

#include <chrono>
#include <thread>

#include "platform/wide_text.h"

namespace vorlix::testing {
namespace {

using UnixFileName = char*(CDECL*)(LPCWSTR);

// Wine's own export; the name it gives is the caller's to free.
std::string UnixPath(const std::string& path) {
  const auto unix_name = reinterpret_cast<UnixFileName>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (unix_name == nullptr) return {};
  char* name = unix_name(platform::Wide(path).c_str());
  if (name == nullptr) return {};
  std::string unix_path(name);
  HeapFree(GetProcessHeap(), 0, name);
  return unix_path;
}

// Wine gives no exit status of a Unix program it started: the caller
// waits for what it did to show.
bool StartUnix(const std::wstring& command) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring line = command;
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

bool Exists(const std::string& path) {
  return GetFileAttributesW(platform::Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Up to ten seconds, for a program start on a loaded machine.
bool WaitUntil(bool exists, const std::string& path) {
  for (int wait = 0; wait < 1000; ++wait) {
    if (Exists(path) == exists) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

// Unix names are UTF-8 bytes.
std::wstring Quoted(const std::string& unix_path) {
  std::wstring wide(unix_path.size(), L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, unix_path.data(),
                                                           static_cast<int>(unix_path.size()), wide.data(),
                                                           static_cast<int>(wide.size()))));
  return L"\"" + wide + L"\"";
}

}  // namespace

UnixLink::UnixLink(const std::string& link, const std::string& target) : link_(link) {
  const std::size_t name_at = link.rfind('\\');
  const std::string folder = UnixPath(link.substr(0, name_at));
  const std::string to = UnixPath(target);
  if (name_at == std::string::npos || folder.empty() || to.empty()) return;
  const std::string from = folder + "/" + link.substr(name_at + 1);
  made_ = StartUnix(L"/bin/ln -s -- " + Quoted(to) + L" " + Quoted(from)) && WaitUntil(true, link);
}

UnixLink::~UnixLink() {
  if (!made_) return;
  const std::string folder = UnixPath(link_.substr(0, link_.rfind('\\')));
  if (StartUnix(L"/bin/rm -- " + Quoted(folder + "/" + link_.substr(link_.rfind('\\') + 1)))) WaitUntil(false, link_);
}

}  // namespace vorlix::testing
