#include "app/results/failure_reasons.h"

#include <gtest/gtest.h>

#include <set>

namespace vorlix::app {
namespace {

TEST(FailureReason, says_each_failure_in_words_of_its_own_and_nothing_for_none) {
  using Failure = commands::FileOperationFailure;
  EXPECT_EQ(FailureReason(Failure::kNone), "");
  std::set<core::Text> reasons;
  for (Failure failure : {Failure::kWholeDrive, Failure::kSourceMissing, Failure::kIntoItself, Failure::kShellFailed,
                          Failure::kNoPlace, Failure::kNotArrived, Failure::kSourceStayed, Failure::kStillThere}) {
    EXPECT_NE(FailureReason(failure), "") << static_cast<int>(failure);
    reasons.insert(FailureReason(failure));
  }
  EXPECT_EQ(reasons.size(), 8u);
}

}  // namespace
}  // namespace vorlix::app
