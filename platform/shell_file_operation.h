#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/copy_check.h"

namespace vorlix::platform {

// The shell's file operation on one file or folder, whose outcome is looked
// at on the disk afterwards: the shell's own answer is not enough (Wine
// reports a move of a missing file as done, and overwrites where
// FOF_RENAMEONCOLLISION asks for a new name).
enum class FileOperation : std::uint32_t { kMove = 1, kCopy = 2, kDelete = 3 };

// The shell's FOF_RENAMEONCOLLISION.
inline constexpr std::uint32_t kRenameOnCollision = 0x8;

// Why an item did not end where it was asked to go.
enum class FileOperationFailure {
  kNone,
  kWholeDrive,     // a whole drive or share, never handed to the shell
  kSourceMissing,  // nothing at the source path
  kIntoItself,     // a folder to go into itself or a folder inside it
  kShellFailed,    // the shell gave up (in use, access denied, disk full)
  kNoPlace,        // no free name could be claimed in the target folder
  kNotArrived,     // afterwards nothing whole of the same kind and size at the target
  kSourceStayed,   // moved: it is at the target, yet the source is still there
  kStillThere,     // deleted: the source is still there
  kIsLink,         // deleted or moved: the item is a link, and the shell would act on what it leads to
  kHoldsLink,      // a folder whose tree holds a link that the shell would follow
  kTreeUnreadable, // a folder whose tree could not be looked through for links
  kLeftInStaging,  // no place in the target and no way back: the item waits in the staging folder (landed_at)
  kCopyDiffers,     // read back, the copy was not the same as its source
  kCopyUnreadable,  // the copy or its source could not be read back to compare them
  kTargetFull,      // the target volume has no room for the item
};

// Where an item went, as looked at on the disk.
struct FileOperationOutcome {
  bool done = false;
  std::string landed_at;  // GBK: where a copied or moved item is now, also when the source stayed or it was left in staging
  FileOperationFailure failure = FileOperationFailure::kNone;
  std::vector<CheckedFile> checked;  // with check_copy: each file that was copied and read back, below landed_at
};

struct FileOperationRequest {
  void* shell_entry = nullptr;  // SHFileOperationW, as the caller resolved it
  std::intptr_t owner = 0;      // a window handle, 0 for none
  FileOperation operation = FileOperation::kCopy;
  std::string source;         // GBK
  std::string target_folder;  // GBK, for copy and move; trailing backslashes allowed
  std::uint32_t flags = 0;    // the shell's FOF_ word
  bool check_copy = false;    // copies are read back and compared before they count (see below)
  FileOperationOutcome* outcome = nullptr;  // when given: filled with where the item went, or why not
};

// True when the item ended where it was asked to go: a copy of the same
// kind and size in the target folder (and, for a move, the source gone);
// for delete, the source gone. The platform gives its own guarantees where
// the shell does not:
// - with kRenameOnCollision an existing item of the same name is never
//   replaced: the new one takes the first free NumberedName, (2) upwards,
//   claimed by a rename that fails rather than replace, so a name that
//   another program takes meanwhile is passed over (the shell works in a
//   staging folder beside the target's items, removed afterwards; an item
//   held there by a scanner is retried for a moment, and one that can go
//   neither into place nor back is left there and named);
// - an item copied or moved onto itself is left as it is, and counts as
//   done unless a renamed copy was asked for, which is then made;
// - a missing source, or a folder to go into itself, is not handed to the
//   shell and counts as not done (for delete a missing source counts as
//   gone);
// - a whole drive or share (IsWholeDrivePath) is never handed to the shell
//   and counts as not done, whatever the operation;
// - nothing outside the item's own tree is deleted or moved: an item that
//   is a link (IsLink) is not deleted or moved, nor a folder whose tree
//   holds a link; a copy reads through links to files, but not a folder
//   whose tree holds a link to a folder, which the shell would follow
//   (one leading back up copies without end);
// - with check_copy, a copy is made in the staging folder and read back
//   and compared with its source (CompareCopy) before it is put in place;
//   one that differs, cannot be read back or is cut short (a full volume)
//   is removed, so the target never holds a bad copy under the item's
//   name, and what was there before is untouched. A move within one
//   volume stays a rename; to another volume it becomes a copy, the check,
//   and only then the removal of the source.
bool RunFileOperation(const FileOperationRequest& request);

}  // namespace vorlix::platform
