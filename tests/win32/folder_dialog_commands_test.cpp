#include "runtime/commands/folder_dialog_commands.h"

#include <gtest/gtest.h>

#include "runtime/core/program/window_builder.h"
#include "tests/win32/dialog_driver.h"
#include "tests/win32/sample_window.h"
#include "tests/win32/window_test_support.h"

namespace vorlix::commands {
namespace {

using namespace test;

constexpr core::WindowId kDisabledWindow = 0x52010022;

class BrowseForFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto description = NewDescription();
    DescribeSampleWindow(description);
    description.windows.emplace_back(kDisabledWindow, 0x1901000D).Frame().At(10, 10, 200, 100).Visible().Disabled();
    LoadDescription(description);
    ASSERT_TRUE(core::BuildWindow({kSampleWindow}));
    ASSERT_TRUE(core::BuildWindow({kDisabledWindow}));
  }
  void TearDown() override { CloseAllWindows(); }
};

TEST_F(BrowseForFolderTest, the_programs_windows_are_disabled_while_it_shows_and_restored_after) {
  HWND sample = WindowOf(kSampleWindow);
  HWND disabled = WindowOf(kDisabledWindow);
  ASSERT_FALSE(IsWindowEnabled(disabled));
  bool sample_enabled_during = true;
  vorlix::testing::DialogDriver driver(IDCANCEL, [&](HWND) { sample_enabled_during = IsWindowEnabled(sample); });

  EXPECT_EQ(BrowseForFolder("choose"), "");

  ASSERT_TRUE(driver.answered());
  EXPECT_FALSE(sample_enabled_during);
  EXPECT_TRUE(IsWindowEnabled(sample));
  EXPECT_FALSE(IsWindowEnabled(disabled)) << "a window disabled before stays disabled";
}

}  // namespace
}  // namespace vorlix::commands
