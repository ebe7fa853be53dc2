#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "runtime/core/values/value.h"

namespace vorlix::app {

// What one copy or move run has placed, so that a later item of the run
// never replaces one it placed: two found files of one name going into one
// folder both arrive, the later under a free name. An item that was in the
// target before the run is another matter (the rename option decides).
// Paths are GBK; ASCII letters compare without case, as Windows names do,
// and either separator counts.
class PlacedItems {
 public:
  // The item from `source` arrived at `landed_at`.
  void Add(const core::Text& source, const core::Text& landed_at);

  // Whether an item going to `destination` would meet something this run
  // placed: the item itself, one inside it, or the folder it lies in when
  // this run placed that folder.
  bool Meets(std::string_view destination) const;

  // Where this run already put the item from `source` inside `folder`: a
  // file that two rows name (it matched two keywords) is delivered once.
  // Sources compare exactly, as on disk: where names differ only in case
  // they are two files.
  std::optional<core::Text> LandedFrom(std::string_view source, std::string_view folder) const;

 private:
  std::set<std::string> placed_;                              // folded paths
  std::map<std::string, core::Text, std::less<>> delivered_;  // source as on disk: where it landed
};

}  // namespace vorlix::app
