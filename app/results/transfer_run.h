#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/core/values/value.h"

namespace vorlix::app {

struct TransferTexts {
  std::string_view working;
  std::string_view finished;
  std::string_view none_checked;
  std::string_view partly_done;  // with the count handed over and the count that failed
  std::string_view failed_heading;
  std::string_view record_operation;  // the operation's name in the record of runs
};

// The status texts and failure heading of copying and of moving, with the
// operation's name in the record.
TransferTexts CopyTexts(std::string_view record_operation);
TransferTexts MoveTexts(std::string_view record_operation);

// Where the item of a checked row goes: the folder that the shell puts it
// in, or, when it cannot go, why (then the folder is empty).
struct Destination {
  core::Text folder;
  core::Text refusal;
};

// The destination of the item at `path` in row `index` of the result
// list, for a run into the chosen target folder (which ends with a
// backslash).
using DestinationOf = Destination (*)(const core::Text& target, std::int32_t index, const core::Text& path);

// Copies or moves the item of every checked row into the folder the user
// chooses, each with the rename option as it is at that moment, through
// the shell operation and its safety rules. A row unchecked or gone by the
// time its turn comes is left out; the rows stay as they are. Every item's
// outcome is looked at and recorded; the end says how many failed, names
// them and says where the record is. One run at a time.
void TransferCheckedRows(std::int32_t operation, const TransferTexts& words, DestinationOf destination_of);

}  // namespace vorlix::app
