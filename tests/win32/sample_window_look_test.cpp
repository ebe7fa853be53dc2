// The sample window kept on the screen for a look (or a screenshot) when
// VORLIX_SHOW_SAMPLE_WINDOW_MS gives how long; skipped otherwise.
#include <gtest/gtest.h>

#include <cstdlib>

#include "runtime/core/program/window_builder.h"
#include "tests/win32/sample_window.h"
#include "tests/win32/window_test_support.h"

namespace vorlix::test {
namespace {

TEST(SampleWindowLook, stays_on_the_screen_when_asked) {
  const char* milliseconds = std::getenv("VORLIX_SHOW_SAMPLE_WINDOW_MS");
  if (milliseconds == nullptr) GTEST_SKIP() << "set VORLIX_SHOW_SAMPLE_WINDOW_MS to look at the window";
  auto description = NewDescription();
  DescribeSampleWindow(description);
  LoadDescription(description);
  ASSERT_TRUE(core::BuildWindow({kSampleWindow}));
  PumpUntil([] { return false; }, std::atoi(milliseconds));
  CloseAllWindows();
}

}  // namespace
}  // namespace vorlix::test
