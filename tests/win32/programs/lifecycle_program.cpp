// A whole program on the runtime, started by the Windows tests:
//   lifecycle_program <what to do> <file for its marks>
// It writes one line to the marks file at each step the tests look for.
#include <windows.h>

#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/mainwindow/external_function_declarations.h"
#include "platform/process.h"
#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/values/fatal_error.h"
#include "runtime/core/events/message_loop.h"
#include "runtime/core/state/program_end.h"
#include "runtime/core/program/startup.h"
#include "tests/win32/programs/lifecycle_window.h"

namespace vorlix::tests {

std::span<const std::uint8_t> LifecycleWindowSegment();

namespace {

std::wstring scenario;
std::filesystem::path marks_file;
DWORD window_thread = 0;

void Mark(const std::string& line) { std::ofstream(marks_file, std::ios::app | std::ios::binary) << line << "\n"; }

// Takes the box's place: the depth tells that delivery is suspended.
bool MarkingHook(int suspension_depth, int error_code, std::string_view) {
  Mark("hook depth=" + std::to_string(suspension_depth) + " code=" + std::to_string(error_code));
  return true;
}

core::HandlerResult Built(std::span<const core::Value>) {
  Mark("built");
  if (scenario == L"fatal-with-hook") core::SetErrorHook(MarkingHook);
  if (scenario == L"fatal-in-built" || scenario == L"fatal-with-hook") core::RuntimeError(11);
  if (scenario == L"current-directory") Mark("directory=" + platform::CurrentDirectory());
  if (scenario == L"end-from-thread") std::thread([] { core::EndProgram(5); }).detach();
  return std::nullopt;
}

core::HandlerResult Destroyed(std::span<const core::Value>) {
  Mark("destroyed");
  return std::nullopt;
}

// In the order of kLifecycleHandlerNames.
constexpr std::array<core::Handler, 2> kHandlers{Built, Destroyed};

void ExitRoutine() { Mark(GetCurrentThreadId() == window_thread ? "exit routine" : "exit routine off its thread"); }

const core::ProgramHeader& Header() {
  static const std::vector<core::ExternalFunctionDeclaration> external_functions = app::ExternalFunctionDeclarations();
  static const core::ProgramHeader header{
      .run_mode = 3,
      .reserved_a = 0,
      .reserved_b = 67978,
      .code_base = core::CodeBaseOf(std::span<const core::Handler>(kHandlers)),
      .template_segment = LifecycleWindowSegment(),
      .libraries = core::SupportLibraries(),
      .external_functions = external_functions,
  };
  return header;
}

int Start() {
  core::InitialiseRuntime(Header());
  window_thread = GetCurrentThreadId();
  core::SetExitRoutine(ExitRoutine);
  core::LoadStartWindow(kLifecycleWindowId);
  Mark("loop");
  core::RunMessageLoop();
  Mark("loop ended");
  return 0;
}

}  // namespace
}  // namespace vorlix::tests

int main() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count < 3) return 2;
  vorlix::tests::scenario = arguments[1];
  vorlix::tests::marks_file = arguments[2];
  LocalFree(arguments);
  vorlix::core::RunApplication(vorlix::tests::Start);
}
