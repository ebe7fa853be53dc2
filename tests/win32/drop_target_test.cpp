#include "platform/drop_target.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/wide_text.h"
#include "test_drag_source.h"
#include "test_windows.h"

// Drops go through OLE's own drag-and-drop loop: DoDragDrop with the mouse
// pointer over the registered window, from a data object built here.
namespace vorlix::platform {
namespace {

using Delivery = std::pair<DroppedKind, std::string>;

class DropTargetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    PumpAndSettle();
  }
  void TearDown() override { OleUninitialize(); }

  static void PumpAndSettle() {
    for (int i = 0; i < 5; ++i) {
      vorlix::testing::PumpMessages();
      Sleep(10);
    }
  }

  std::unique_ptr<DropRegistration> Register(HWND window, DropSwitches on) {
    DropReceiver receiver;
    receiver.switches = [on] { return on; };
    receiver.deliver = [this](DroppedKind kind, const std::string& text) { deliveries_.emplace_back(kind, text); };
    return RegisterDropTarget(reinterpret_cast<std::uintptr_t>(window), std::move(receiver));
  }

  // Drags the data onto the middle of the window; the source's answer.
  HRESULT DropOnto(HWND window, IDataObject* data, DWORD allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE) {
    RECT frame;
    GetWindowRect(window, &frame);
    SetCursorPos((frame.left + frame.right) / 2, (frame.top + frame.bottom) / 2);
    PumpAndSettle();
    vorlix::testing::DropAtOnce source;
    DWORD effect = DROPEFFECT_NONE;
    const HRESULT result = DoDragDrop(data, &source, allowed, &effect);
    last_effect_ = effect;
    return result;
  }

  std::vector<Delivery> deliveries_;
  DWORD last_effect_ = 0;
};

TEST_F(DropTargetTest, one_dropped_file_is_delivered_alone_and_the_source_hears_of_failure) {
  vorlix::testing::OwnedWindow window(vorlix::testing::MakeTopLevelWindow(100, 100, 300, 200));
  auto registration = Register(window, {.files = true});
  ASSERT_NE(registration, nullptr);
  vorlix::testing::TestDataObject data;
  data.AddFiles({L"C:\\甲\\one.txt"});

  EXPECT_EQ(DropOnto(window, &data), E_FAIL);

  ASSERT_EQ(deliveries_.size(), 1u);
  EXPECT_EQ(deliveries_[0].first, DroppedKind::kFiles);
  EXPECT_EQ(deliveries_[0].second, Narrow(L"C:\\甲\\one.txt"));
  EXPECT_EQ(last_effect_, static_cast<DWORD>(DROPEFFECT_NONE)) << "a move must not delete the source's files";
}

TEST_F(DropTargetTest, several_dropped_files_each_end_with_cr_lf_in_the_sources_order) {
  vorlix::testing::OwnedWindow window(vorlix::testing::MakeTopLevelWindow(100, 100, 300, 200));
  auto registration = Register(window, {.files = true});
  vorlix::testing::TestDataObject data;
  data.AddFiles({L"C:\\b\\second", L"C:\\a\\first.txt"});

  DropOnto(window, &data);

  ASSERT_EQ(deliveries_.size(), 1u);
  EXPECT_EQ(deliveries_[0].second, "C:\\b\\second\r\nC:\\a\\first.txt\r\n");
}

TEST_F(DropTargetTest, file_names_outside_gbk_arrive_whole) {
  vorlix::testing::OwnedWindow window(vorlix::testing::MakeTopLevelWindow(100, 100, 300, 200));
  auto registration = Register(window, {.files = true});
  vorlix::testing::TestDataObject data;
  const std::wstring path = L"C:\\\u20AC\U0001F600.txt";
  data.AddFiles({path});

  DropOnto(window, &data);

  ASSERT_EQ(deliveries_.size(), 1u);
  EXPECT_EQ(Wide(deliveries_[0].second), path);
}

TEST_F(DropTargetTest, text_that_comes_with_html_is_delivered_only_as_html_with_ordinary_spaces) {
  vorlix::testing::OwnedWindow window(vorlix::testing::MakeTopLevelWindow(100, 100, 300, 200));
  auto registration = Register(window, {.text = true, .html = true});
  vorlix::testing::TestDataObject data;
  data.AddText(L"a b");
  data.AddRegistered(L"HTML Format", "<b>\xE7\x94\xB2\xC2\xA0" "b</b>");

  DropOnto(window, &data);

  ASSERT_EQ(deliveries_.size(), 1u);
  EXPECT_EQ(deliveries_[0].first, DroppedKind::kHtml);
  EXPECT_EQ(deliveries_[0].second, Narrow(L"<b>\u7532 b</b>"));
}

TEST_F(DropTargetTest, each_kind_switched_on_is_delivered_in_order_text_link_files) {
  vorlix::testing::OwnedWindow window(vorlix::testing::MakeTopLevelWindow(100, 100, 300, 200));
  auto registration = Register(window, {.text = true, .html = true, .links = true, .files = true});
  vorlix::testing::TestDataObject data;
  data.AddFiles({L"C:\\f"});
  data.AddRegistered(L"UniformResourceLocator", std::string("http://x/\0", 10));
  data.AddText(L"\u4E59");

  DropOnto(window, &data);

  const std::vector<Delivery> expected = {
      {DroppedKind::kText, Narrow(L"\u4E59")}, {DroppedKind::kLink, "http://x/"}, {DroppedKind::kFiles, "C:\\f"}};
  EXPECT_EQ(deliveries_, expected);
}

TEST_F(DropTargetTest, switched_off_kinds_are_neither_accepted_nor_delivered) {
  vorlix::testing::OwnedWindow window(vorlix::testing::MakeTopLevelWindow(100, 100, 300, 200));
  auto registration = Register(window, {.files = true});
  vorlix::testing::TestDataObject data;
  data.AddText(L"text");
  data.AddRegistered(L"UniformResourceLocator", std::string("http://x/\0", 10));

  DropOnto(window, &data);

  EXPECT_TRUE(deliveries_.empty());
}

TEST_F(DropTargetTest, a_window_takes_one_registration_and_takes_another_once_it_has_ended) {
  vorlix::testing::OwnedWindow window(vorlix::testing::MakeTopLevelWindow(100, 100, 300, 200));
  auto first = Register(window, {.files = true});
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Register(window, {.files = true}), nullptr);

  first.reset();

  EXPECT_NE(Register(window, {.files = true}), nullptr);
}

TEST_F(DropTargetTest, destroying_the_window_ends_its_registration) {
  HWND window = vorlix::testing::MakeTopLevelWindow(100, 100, 300, 200, false);
  auto registration = Register(window, {.files = true});
  ASSERT_NE(registration, nullptr);

  DestroyWindow(window);

  EXPECT_EQ(registration->window(), 0u);
}

}  // namespace
}  // namespace vorlix::platform
