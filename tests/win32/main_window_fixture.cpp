#include "tests/win32/main_window_fixture.h"

#include <utility>

#include "app/mainwindow/main_window_segment.h"
#include "runtime/core/state/live_windows.h"
#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/program/window_builder.h"
#include "tests/template_data/main_window_records.h"

namespace vorlix::test {
namespace {

std::vector<std::string_view> calls;
std::vector<core::Value> last_arguments;

template <std::size_t Entry>
core::HandlerResult Recording(std::span<const core::Value> arguments) {
  calls.push_back(app::kHandlerNames[Entry]);
  last_arguments.assign(arguments.begin(), arguments.end());
  return std::nullopt;
}

template <std::size_t... Entries>
auto RecordingTable(std::index_sequence<Entries...>) {
  return std::array<core::Handler, sizeof...(Entries)>{Recording<Entries>...};
}

}  // namespace

void MainWindowTest::SetUp() {
  handlers_ = RecordingTable(std::make_index_sequence<app::kHandlerNames.size()>());
  calls.clear();
}

void MainWindowTest::TearDown() {
  if (HWND frame = Frame()) DestroyWindow(frame);
  PumpMessages();
  core::Runtime().windows.clear();
  calls.clear();
}

void MainWindowTest::Replace(std::string_view handler, core::Handler routine) {
  for (std::size_t i = 0; i < handlers_.size(); ++i) {
    if (app::kHandlerNames[i] == handler) handlers_[i] = routine;
  }
}

bool MainWindowTest::Build(bool pump) {
  core::Runtime().windows =
      core::LoadSegment(app::MainWindowSegment(), core::CodeBaseOf(std::span<const core::Handler>(handlers_)));
  const bool built = core::BuildWindow({core::kMainWindowId});
  if (pump) PumpMessages();
  return built;
}

const core::WindowRecord& MainWindowTest::Window() const {
  return core::FindWindow(core::Runtime().windows, core::kMainWindowId)->record;
}

HWND MainWindowTest::Frame() const {
  core::LiveUnit* frame = core::FindLiveUnit(core::kMainWindowId, 0);
  return frame == nullptr ? nullptr : reinterpret_cast<HWND>(frame->window());
}

core::UnitId MainWindowTest::UnitId(std::u16string_view name) const { return tests::UnitIdNamed(Window(), name); }

HWND MainWindowTest::Unit(std::u16string_view name) const {
  core::LiveUnit* unit = core::FindLiveUnit(core::kMainWindowId, UnitId(name));
  return unit == nullptr ? nullptr : reinterpret_cast<HWND>(unit->window());
}

std::string Utf8(std::u16string_view text) {
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
  return utf8;
}

std::vector<std::string_view> MainWindowTest::TakeCalls() { return std::exchange(calls, {}); }

const std::vector<core::Value>& MainWindowTest::LastArguments() const { return last_arguments; }

}  // namespace vorlix::test
