#include "app/results/file_transfer.h"

#include "app/results/shell_operations.h"
#include "app/results/transfer_run.h"
#include "texts.h"

namespace vorlix::app {
namespace {

// Every item goes straight into the chosen folder.
Destination IntoTarget(const core::Text& target, std::int32_t, const core::Text&) { return {target, {}}; }

}  // namespace

core::HandlerResult CopyCheckedFiles(std::span<const core::Value>) {
  TransferCheckedRows(kCopyOperation, CopyTexts(texts::kOperationCopy), IntoTarget);
  return std::nullopt;
}

core::HandlerResult MoveCheckedFiles(std::span<const core::Value>) {
  TransferCheckedRows(kMoveOperation, MoveTexts(texts::kOperationMove), IntoTarget);
  return std::nullopt;
}

}  // namespace vorlix::app
