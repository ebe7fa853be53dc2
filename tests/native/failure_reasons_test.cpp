#include <gtest/gtest.h>

#include <set>

#include "app/results/failure_reasons.h"

namespace vorlix::app {
namespace {

TEST(FailureReason, says_each_failure_in_words_of_its_own_and_nothing_for_none) {
  using Failure = commands::FileOperationFailure;
  const auto reason = [](Failure failure) { return FailureReason({.failure = failure}); };
  EXPECT_EQ(reason(Failure::kNone), "");
  std::set<core::Text> reasons;
  const Failure failures[] = {Failure::kWholeDrive,   Failure::kSourceMissing,  Failure::kIntoItself,
                              Failure::kShellFailed,  Failure::kNoPlace,        Failure::kNotArrived,
                              Failure::kSourceStayed, Failure::kStillThere,     Failure::kIsLink,
                              Failure::kHoldsLink,    Failure::kTreeUnreadable, Failure::kLeftInStaging};
  for (Failure failure : failures) {
    EXPECT_NE(reason(failure), "") << static_cast<int>(failure);
    reasons.insert(reason(failure));
  }
  EXPECT_EQ(reasons.size(), std::size(failures));
}

TEST(FailureReason, an_item_left_in_staging_is_named_where_it_is) {
  const core::Text reason = FailureReason(
      {.landed_at = "T:\\out\\.vorlix-7-1\\a.jpg", .failure = commands::FileOperationFailure::kLeftInStaging});
  EXPECT_TRUE(reason.ends_with("T:\\out\\.vorlix-7-1\\a.jpg")) << reason;
}

}  // namespace
}  // namespace vorlix::app
