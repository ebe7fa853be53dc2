#include "app/results/failure_report.h"

#include <algorithm>

#include "app/results/failure_reasons.h"
#include "runtime/commands/drive_commands.h"
#include "runtime/core/values/text_format.h"
#include "texts.h"

namespace vorlix::app {
namespace {

// Enough to see what went wrong; a message box taller than the screen
// would hide its OK button.
constexpr std::size_t kPathsShown = 20;

}  // namespace

core::Text FailureMessage(std::string_view heading, const std::vector<core::Text>& failed) {
  core::Text message(heading);
  const std::size_t shown = std::min(failed.size(), kPathsShown);
  for (std::size_t i = 0; i < shown; ++i) message += "\r\n" + failed[i];
  if (failed.size() > shown) {
    message += "\r\n" + core::FormatText(texts::kMoreFailed, static_cast<int>(failed.size() - shown));
  }
  return message;
}

core::Text FailedItem(const core::Text& path) {
  return commands::IsWholeDrive(path) ? path + core::Text(texts::kWholeDriveRefused) : path;
}

core::Text FailedItem(const core::Text& path, const commands::FileOperationOutcome& outcome) {
  using Failure = commands::FileOperationFailure;
  switch (outcome.failure) {
    case Failure::kIsLink:
    case Failure::kHoldsLink:
    case Failure::kTreeUnreadable:
    case Failure::kLeftInStaging:
    case Failure::kCopyDiffers:
    case Failure::kCopyUnreadable:
    case Failure::kTargetFull:
      return path + core::Text(texts::kFailedItemReasonBefore) + FailureReason(outcome) +
             core::Text(texts::kFailedItemReasonAfter);
    default: return FailedItem(path);
  }
}

}  // namespace vorlix::app
