#pragma once

// The sample window built for tests of the unit commands, with references
// to its units as the application passes them.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "runtime/core/values/identifiers.h"
#include "runtime/core/values/value.h"
#include "runtime/core/program/window_builder.h"
#include "tests/win32/sample_window.h"
#include "tests/win32/window_test_support.h"

namespace vorlix::test {

class UnitCommandWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    auto description = NewDescription();
    DescribeSampleWindow(description);
    LoadDescription(description);
    ASSERT_TRUE(core::BuildWindow({kSampleWindow}));
  }
  void TearDown() override { CloseAllWindows(); }

  static core::UnitReference Ref(core::UnitId unit, core::UnitTypeCode type) { return {kSampleWindow, unit, type}; }
  static HWND Control(core::UnitId unit) { return WindowOf(kSampleWindow, unit); }

  const core::UnitReference list_ = Ref(sample::kListView, core::type_codes::kListView);
  const core::UnitReference edit_box_ = Ref(sample::kEditBox, core::type_codes::kEditBox);
  const core::UnitReference window_ = Ref(core::kWindowOwnRecordId, core::type_codes::kWindow);
};

}  // namespace vorlix::test
