#pragma once

#include <string_view>

#include "app/search/walk/file_walk.h"
#include "app/search/walk/folder_lister.h"
#include "app/search/index/indexed_listing.h"
#include "app/search/names/name_matcher.h"

namespace vorlix::app {

// A repeat walk below `root` (ending with the separator) over a tree the
// folder index holds whole and no stamp shows changed: every folder a walk
// would reach is kept, unchanged (see IndexedListing::UnchangedAhead) and
// whole. On `threads` threads at once (0: the calling thread), the stamps
// below the root not read yet are read, then the kept entries of every
// folder are matched, with no queue and no path put together, the first
// as soon as every stamp is being read; once all are matched, the rows go
// to `sink` in the order WalkFiles gives them. kChanged, before any row,
// when a folder is not so: a walk through the index gives the rows then,
// with the stamps read so far. kStopped when the sink said stop. After
// `index`.BeginRoot(root).
UnchangedTreeWalk WalkUnchangedTree(std::string_view root, const NameMatcher& matcher, const FolderLister& lister,
                                    IndexedListing& index, FileWalkSink& sink, unsigned threads);

}  // namespace vorlix::app
