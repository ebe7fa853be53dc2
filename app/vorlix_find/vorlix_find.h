#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/search/walk/folder_lister.h"

namespace vorlix::app {

// What vorlix-find reads and writes besides the folders; tests give their own.
struct FindStreams {
  std::function<bool(std::string_view)> write_output;
  std::function<void(std::string_view)> write_error;
  std::function<std::optional<std::string>()> read_input;
  // Where the folder index lives; empty for no index.
  std::function<std::string()> index_file;
};

FindStreams StandardFindStreams();

// Runs vorlix-find with the arguments after its name and gives its exit
// status: 0 when it ran; 1 when its output could not be written, or a
// ROOT or a folder below one could not be listed (each named in a line on
// the error stream; the rest is still searched); 2 on bad arguments or a
// names file that cannot be read (the system's reason said), is a folder,
// is not UTF-8 text (its first such line said) or holds no name, with a
// one-line message on the error stream. Rows go out as the engine finds
// them: a file row is its path as on disk (the folder as walked and the
// name as on disk), a tab, and the lowered name, as the window's name
// column shows it; a folder row is the folder's path and a tab. With
// --not-found, the keywords no row matched go out instead, in their order,
// with --suggest each followed by a tab and the tab-separated paths of up
// to three walked files near it (see SuggestionFinder);
// with --counts, every keyword in order as "count<TAB>keyword", the count
// being the distinct paths among the rows whose own name matches it. With
// -0 every line ends with a NUL instead of a line end, and a row is its
// path alone, as find -print0 gives it.
int RunVorlixFind(std::span<const std::string> arguments, const FolderLister& lister, const FindStreams& streams);

}  // namespace vorlix::app
