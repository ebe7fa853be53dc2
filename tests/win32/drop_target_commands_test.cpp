#include "runtime/commands/drop_target_commands.h"

#include <gtest/gtest.h>
#include <ole2.h>

#include "runtime/commands/unit_commands.h"
#include "runtime/core/template/unit_property_numbers.h"
#include "runtime/core/program/window_builder.h"
#include "tests/native/fatal_error_capture.h"
#include "tests/win32/sample_window.h"
#include "tests/win32/test_drag_source.h"
#include "tests/win32/window_test_support.h"
#include "texts.h"

// Drops through OLE's own loop onto the sample window, whose drop target
// takes files (event 3) and text (event 0).
namespace vorlix::commands {
namespace {

using namespace test;

constexpr core::UnitId kFilesAndText = 0x16010180;
constexpr core::UnitId kSecondTarget = 0x16010181;

class DropTargetRegisterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    auto description = NewDescription();
    auto& window = DescribeSampleWindow(description);
    using namespace core::drop_target_props;
    window.AddUnit(core::type_codes::kDropTarget, kFilesAndText, Gbk(L"拖放对象2"))
        .At(0, 0, 26, 26)
        .Set(kAcceptFiles, 1)
        .Set(kAcceptText, 1)
        .On(3, "Record")
        .On(0, "RecordOther");
    window.AddUnit(core::type_codes::kDropTarget, kSecondTarget, Gbk(L"拖放对象3")).At(0, 0, 26, 26);
    LoadDescription(description);
    ASSERT_TRUE(core::BuildWindow({kSampleWindow}));
    frame_ = WindowOf(kSampleWindow);
  }
  void TearDown() override {
    CloseAllWindows();
    OleUninitialize();
  }

  static std::int32_t FrameHandle() {
    return GetWindowHandle({kSampleWindow, core::kWindowOwnRecordId, core::type_codes::kWindow});
  }

  void DropOnFrame(IDataObject* data) {
    RECT place;
    GetWindowRect(frame_, &place);
    SetCursorPos(place.left + 20, place.bottom - 20);
    PumpMessages();
    vorlix::testing::DropAtOnce source;
    DWORD effect = DROPEFFECT_NONE;
    DoDragDrop(data, &source, DROPEFFECT_COPY, &effect);
  }

  const core::UnitReference target_{kSampleWindow, kFilesAndText, core::type_codes::kDropTarget};
  HWND frame_ = nullptr;
};

TEST_F(DropTargetRegisterTest, dropped_files_raise_event_3_with_every_path_followed_by_cr_lf) {
  ASSERT_TRUE(DropTargetRegister(target_, FrameHandle()));
  vorlix::testing::TestDataObject data;
  data.AddFiles({L"C:\\照片", L"D:\\文档"});

  DropOnFrame(&data);

  ASSERT_EQ(CalledHandlers(), std::vector<std::string>{"Record"});
  const HandlerCall& call = HandlerCalls()[0];
  EXPECT_EQ(call.unit, kFilesAndText);
  ASSERT_EQ(call.arguments.size(), 1u);
  const auto* text = call.arguments[0].get_if<core::Text>();
  ASSERT_NE(text, nullptr) << "the event's argument is a text";
  EXPECT_EQ(*text, Gbk(L"C:\\照片\r\nD:\\文档\r\n"));
}

TEST_F(DropTargetRegisterTest, dropped_text_raises_event_0) {
  ASSERT_TRUE(DropTargetRegister(target_, FrameHandle()));
  vorlix::testing::TestDataObject data;
  data.AddText(L"关键字");

  DropOnFrame(&data);

  ASSERT_EQ(CalledHandlers(), std::vector<std::string>{"RecordOther"});
  EXPECT_EQ(*HandlerCalls()[0].arguments[0].get_if<core::Text>(), Gbk(L"关键字"));
}

TEST_F(DropTargetRegisterTest, a_second_registration_of_the_unit_is_refused_and_the_first_stays) {
  ASSERT_TRUE(DropTargetRegister(target_, FrameHandle()));
  const std::int32_t list = GetWindowHandle({kSampleWindow, sample::kListView, core::type_codes::kListView});

  EXPECT_FALSE(DropTargetRegister(target_, list));

  vorlix::testing::TestDataObject data;
  data.AddFiles({L"C:\\a"});
  DropOnFrame(&data);
  EXPECT_EQ(CalledHandlers(), std::vector<std::string>{"Record"});
}

TEST_F(DropTargetRegisterTest, a_window_that_another_unit_serves_is_refused) {
  ASSERT_TRUE(DropTargetRegister(target_, FrameHandle()));
  EXPECT_FALSE(DropTargetRegister({kSampleWindow, kSecondTarget, core::type_codes::kDropTarget}, FrameHandle()));
}

TEST_F(DropTargetRegisterTest, a_unit_that_is_not_loaded_is_a_fatal_error) {
  const auto error = FatalErrorOf([&] {
    DropTargetRegister({kSampleWindow, 0x16017777, core::type_codes::kDropTarget}, FrameHandle());
  });
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->text, texts::kUnitNotLoaded);
}

}  // namespace
}  // namespace vorlix::commands
