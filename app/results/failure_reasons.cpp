#include "app/results/failure_reasons.h"

#include "texts.h"

namespace vorlix::app {

core::Text FailureReason(const commands::FileOperationOutcome& outcome) {
  using Failure = commands::FileOperationFailure;
  switch (outcome.failure) {
    case Failure::kNone: return {};
    case Failure::kWholeDrive: return core::Text(texts::kWholeDriveRefused);
    case Failure::kSourceMissing: return core::Text(texts::kReasonSourceMissing);
    case Failure::kIntoItself: return core::Text(texts::kReasonIntoItself);
    case Failure::kShellFailed: return core::Text(texts::kReasonShellFailed);
    case Failure::kNoPlace: return core::Text(texts::kReasonNoPlace);
    case Failure::kNotArrived: return core::Text(texts::kReasonNotArrived);
    case Failure::kSourceStayed: return core::Text(texts::kReasonSourceStayed);
    case Failure::kStillThere: return core::Text(texts::kReasonStillThere);
    case Failure::kIsLink: return core::Text(texts::kReasonIsLink);
    case Failure::kHoldsLink: return core::Text(texts::kReasonHoldsLink);
    case Failure::kTreeUnreadable: return core::Text(texts::kReasonTreeUnreadable);
    case Failure::kLeftInStaging: return core::Text(texts::kReasonLeftInStaging) + outcome.landed_at;
    case Failure::kCopyDiffers: return core::Text(texts::kReasonCopyDiffers);
    case Failure::kCopyUnreadable: return core::Text(texts::kReasonCopyUnreadable);
    case Failure::kTargetFull: return core::Text(texts::kReasonTargetFull);
  }
  return {};
}

}  // namespace vorlix::app
