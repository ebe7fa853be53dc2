#include "app/results/failure_report.h"

#include <gtest/gtest.h>

#include "runtime/core/values/text_format.h"
#include "texts.h"

namespace vorlix::app {
namespace {

std::vector<core::Text> Paths(int count) {
  std::vector<core::Text> paths;
  for (int i = 1; i <= count; ++i) paths.push_back("C:\\f" + std::to_string(i));
  return paths;
}

core::Text Lines(int first, int last) {
  core::Text lines;
  for (int i = first; i <= last; ++i) lines += "\r\nC:\\f" + std::to_string(i);
  return lines;
}

TEST(FailureMessage, names_the_first_twenty_paths_and_counts_the_rest) {
  const core::Text heading(texts::kCopyFailedHeading);
  EXPECT_EQ(FailureMessage(heading, Paths(1)), heading + Lines(1, 1));
  EXPECT_EQ(FailureMessage(heading, Paths(20)), heading + Lines(1, 20));
  EXPECT_EQ(FailureMessage(heading, Paths(23)),
            heading + Lines(1, 20) + "\r\n" + core::FormatText(texts::kMoreFailed, 3));
}

TEST(FailureMessage, a_whole_drive_is_named_with_the_reason_and_other_items_as_they_are) {
  const core::Text reason(texts::kWholeDriveRefused);
  for (const char* drive : {"D:", "D:\\", "\\\\server\\share"}) EXPECT_EQ(FailedItem(drive), drive + reason);
  for (const char* item : {"D:\\d", "\\\\server\\share\\a.txt"}) EXPECT_EQ(FailedItem(item), item);
}

}  // namespace
}  // namespace vorlix::app
