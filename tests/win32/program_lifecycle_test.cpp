// Start-up, the message loop and the end of a whole program, watched from
// outside: the lifecycle test program runs as a child process.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/wide_text.h"
#include "runtime/core/values/fatal_error.h"
#include "tests/win32/programs/lifecycle_window.h"
#include "texts.h"

namespace vorlix::tests {
namespace {

namespace fs = std::filesystem;

constexpr DWORD kPatience = 15000;  // ms; a Wine process start is slow on a busy machine

fs::path TestProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  return fs::path(path).parent_path();
}

struct WindowSearch {
  DWORD process;
  std::wstring class_name;
  std::wstring caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<WindowSearch*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t class_name[64]{};
  wchar_t caption[256]{};
  GetClassNameW(window, class_name, 64);
  GetWindowTextW(window, caption, 256);
  if (process == search.process && search.caption == caption &&
      (search.class_name.empty() || search.class_name == class_name)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

class ProgramLifecycle : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = fs::path(temp) / (L"vorlix-lifecycle-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(GetTickCount()));
    fs::create_directories(folder_);
    marks_ = folder_ / L"marks.txt";
  }

  void TearDown() override {
    if (child_.hProcess != nullptr) {
      if (WaitForSingleObject(child_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(child_.hProcess, 99);
      WaitForSingleObject(child_.hProcess, kPatience);
      CloseHandle(child_.hProcess);
      CloseHandle(child_.hThread);
    }
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  void Start(const std::wstring& scenario, const fs::path& program, const fs::path& working_directory) {
    std::wstring command = L"\"" + program.wstring() + L"\" " + scenario + L" \"" + marks_.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ASSERT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               working_directory.c_str(), &startup, &child_))
        << "cannot start " << program.string();
  }

  void Start(const std::wstring& scenario) {
    Start(scenario, TestProgramFolder() / L"lifecycle_program.exe", folder_);
  }

  // Waits for a top-level window of the child.
  HWND WaitForWindow(const std::wstring& class_name, const std::wstring& caption) {
    WindowSearch search{child_.dwProcessId, class_name, caption};
    for (DWORD waited = 0; waited < kPatience; waited += 50) {
      EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
      if (search.found != nullptr) return search.found;
      if (WaitForSingleObject(child_.hProcess, 50) == WAIT_OBJECT_0) break;
    }
    return nullptr;
  }

  HWND WaitForLifecycleWindow() { return WaitForWindow(L"", platform::Wide(kLifecycleCaption)); }

  // The exit code, or STILL_ACTIVE when the child did not end in time.
  DWORD ExitCode() {
    WaitForSingleObject(child_.hProcess, kPatience);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(child_.hProcess, &code);
    return code;
  }

  std::vector<std::string> Marks() const {
    std::vector<std::string> lines;
    std::ifstream in(marks_, std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  fs::path folder_;
  fs::path marks_;
  PROCESS_INFORMATION child_{};
};

// The real box: the test finds it among the child's windows, reads it and
// presses its button, as a user would.
TEST_F(ProgramLifecycle, fatal_error_in_the_built_event_shows_the_box_and_ends_with_minus_1_before_the_loop) {
  Start(L"fatal-in-built");
  HWND box = WaitForWindow(L"#32770", platform::Wide(texts::kErrorTitle));
  ASSERT_NE(box, nullptr) << "no error box appeared";
  wchar_t text[512]{};
  GetDlgItemTextW(box, 0xFFFF, text, 512);
  EXPECT_EQ(std::wstring(text), platform::Wide(core::FatalErrorBoxText(texts::kRuntimeError11, 11)));
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has an owner";
  EXPECT_EQ(WaitForSingleObject(child_.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT))
      << "the program ended before the box was answered";
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(ExitCode(), static_cast<DWORD>(-1));
  EXPECT_EQ(Marks(), (std::vector<std::string>{"built", "exit routine"}));
}

TEST_F(ProgramLifecycle, error_hook_that_takes_the_error_skips_the_box_and_the_program_still_ends_with_minus_1) {
  Start(L"fatal-with-hook");
  EXPECT_EQ(ExitCode(), static_cast<DWORD>(-1));
  EXPECT_EQ(Marks(), (std::vector<std::string>{"built", "hook depth=1 code=11", "exit routine"}));
}

TEST_F(ProgramLifecycle, closing_the_last_window_ends_with_0_after_the_destroy_handler) {
  Start(L"close");
  HWND window = WaitForLifecycleWindow();
  ASSERT_NE(window, nullptr) << "the start window did not appear";
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(ExitCode(), 0u);
  EXPECT_EQ(Marks(), (std::vector<std::string>{"built", "loop", "destroyed", "loop ended", "exit routine"}));
}

// The request goes through the hidden owner window, so the exit routine
// runs on the window thread, where the application's state lives.
TEST_F(ProgramLifecycle, end_requested_by_another_thread_runs_the_orderly_end_on_the_window_thread) {
  Start(L"end-from-thread");
  EXPECT_EQ(ExitCode(), 5u);
  EXPECT_EQ(Marks(), (std::vector<std::string>{"built", "loop", "exit routine"}));
}

// Started from another folder, in a folder whose name needs the GBK codec.
TEST_F(ProgramLifecycle, program_folder_becomes_the_current_directory) {
  const fs::path program_folder = folder_ / platform::Wide(texts::kTypeEditBox);
  fs::create_directories(program_folder);
  fs::copy_file(TestProgramFolder() / L"lifecycle_program.exe", program_folder / L"lifecycle_program.exe");
  Start(L"current-directory", program_folder / L"lifecycle_program.exe", folder_);
  HWND window = WaitForLifecycleWindow();
  ASSERT_NE(window, nullptr) << "the start window did not appear";
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(ExitCode(), 0u);
  const std::vector<std::string> marks = Marks();
  ASSERT_GE(marks.size(), 2u);
  EXPECT_EQ(marks[1], "directory=" + platform::Narrow(program_folder.wstring()));
}

}  // namespace
}  // namespace vorlix::tests
