#pragma once

// The main window built from the program's own segment, with a handler
// table of recording routines in the places of the application's handlers.
#include <windows.h>
#undef FindWindow

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app/mainwindow/handler_names.h"
#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/template/template_records.h"
#include "tests/win32/window_test_support.h"

namespace vorlix::test {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Puts `routine` in the place of the named handler; call before Build.
  void Replace(std::string_view handler, core::Handler routine);
  // Loads the segment and builds the main window, then handles what the
  // build queued unless told not to; false when the build fails.
  bool Build(bool pump = true);

  const core::WindowRecord& Window() const;
  HWND Frame() const;
  HWND Unit(std::u16string_view name) const;
  core::UnitId UnitId(std::u16string_view name) const;

  // The names of the handlers that ran, in order, and forgets them.
  std::vector<std::string_view> TakeCalls();
  // What the last handler that ran received.
  const std::vector<core::Value>& LastArguments() const;

 private:
  std::array<core::Handler, app::kHandlerNames.size()> handlers_{};
};

// For messages: a unit name as UTF-8.
std::string Utf8(std::u16string_view text);

}  // namespace vorlix::test
