#include "runtime/core/values/fatal_error.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/core/events/event_dispatch.h"
#include "texts.h"

namespace vorlix::core {
namespace {

struct FatalErrorRaised {
  int code;
  std::string text;
};

bool ThrowingHook(int, int code, std::string_view text) { throw FatalErrorRaised{code, std::string(text)}; }

class FatalErrorTest : public ::testing::Test {
 protected:
  void SetUp() override { SetErrorHook(ThrowingHook); }
  // A fatal error suspends event delivery for good; the next test starts afresh.
  void TearDown() override {
    SetErrorHook(nullptr);
    while (EventDeliverySuspended()) ResumeEventDelivery();
  }
};

TEST(FatalErrorBoxText, code_zero_gives_heading_and_message_only) {
  std::string expected = std::string(texts::kErrorBoxHeading) + std::string(texts::kErrorBoxMessage) + "x\r\n";
  EXPECT_EQ(FatalErrorBoxText("x", 0), expected);
}

TEST(FatalErrorBoxText, empty_text_with_code_gives_heading_and_code_only) {
  std::string expected = std::string(texts::kErrorBoxHeading) + std::string(texts::kErrorBoxCode) + "7\r\n\r\n";
  EXPECT_EQ(FatalErrorBoxText("", 7), expected);
}

TEST_F(FatalErrorTest, runtime_error_carries_its_number_and_text) {
  try {
    RuntimeError(11);
    FAIL() << "RuntimeError returned";
  } catch (const FatalErrorRaised& raised) {
    EXPECT_EQ(raised.code, 11);
    EXPECT_EQ(raised.text, texts::kRuntimeError11);
  }
}

TEST_F(FatalErrorTest, runtime_error_without_a_known_number_keeps_its_code_and_has_no_message) {
  try {
    RuntimeError(12);
    FAIL() << "RuntimeError returned";
  } catch (const FatalErrorRaised& raised) {
    EXPECT_EQ(raised.code, 12);
    EXPECT_EQ(raised.text, "");
  }
}

}  // namespace
}  // namespace vorlix::core
