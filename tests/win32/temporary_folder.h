#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "platform/wide_text.h"

namespace vorlix::testing {

// A folder of its own in the system's temporary folder, removed with
// everything in it when the test ends. Paths come as the program's GBK texts.
class TemporaryFolder {
 public:
  TemporaryFolder() : TemporaryFolder(TemporaryBase()) {}
  // In the folder `base` (GBK), on a drive of a kind a test needs.
  explicit TemporaryFolder(const std::string& base) : TemporaryFolder(platform::Wide(base)) {}
  ~TemporaryFolder() {
    std::error_code ignored;
    for (auto& entry : std::filesystem::recursive_directory_iterator(path_, ignored)) {
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::filesystem::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  // The folder itself, without trailing backslash.
  std::string Path() const { return platform::Narrow(path_.wstring()); }
  // A name (GBK) inside the folder.
  std::string Path(const std::string& name) const { return Path() + "\\" + name; }
  std::wstring WidePath(const std::string& name) const { return platform::Wide(Path(name)); }

  void Write(const std::string& name, const std::string& bytes) const {
    HANDLE file = CreateFileW(WidePath(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }

  std::string Read(const std::string& name) const {
    HANDLE file = CreateFileW(WidePath(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
  }

  void MakeFolder(const std::string& name) const { CreateDirectoryW(WidePath(name).c_str(), nullptr); }

  void SetAttributes(const std::string& name, DWORD attributes) const {
    SetFileAttributesW(WidePath(name).c_str(), attributes);
  }

  // Every name in the folder, "." and ".." left out.
  std::size_t EntryCount() const {
    std::size_t count = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(path_)) ++count;
    return count;
  }

 private:
  explicit TemporaryFolder(const std::wstring& base) {
    static int serial = 0;
    path_ = std::filesystem::path(base) /
            (L"vorlix-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++serial));
    std::filesystem::create_directories(path_);
  }

  static std::wstring TemporaryBase() {
    wchar_t base[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, base);
    return base;
  }

  std::filesystem::path path_;
};

// Holds a file open the way another program might, until it goes.
class OpenedElsewhere {
 public:
  OpenedElsewhere(const std::wstring& path, DWORD access, DWORD sharing)
      : handle_(CreateFileW(path.c_str(), access, sharing, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~OpenedElsewhere() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  OpenedElsewhere(const OpenedElsewhere&) = delete;
  OpenedElsewhere& operator=(const OpenedElsewhere&) = delete;
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

}  // namespace vorlix::testing
