#include "app/search/names/name_list.h"

#include "runtime/commands/text_split.h"
#include "runtime/commands/text_transform.h"

namespace vorlix::app {

std::vector<core::Text> NameBoxLines(std::string_view box_content) {
  return commands::SplitText(box_content, std::string_view("\r\n"));
}

// The box gets its whole new content in one step: an edit control takes
// one line appended at a time slowly (about 14 ms each under Wine).
TidiedNames TidyNameList(std::string_view box_content) {
  TidiedNames tidied;
  for (const core::Text& line : NameBoxLines(box_content)) {
    if (commands::RemoveAllSpaces(line).empty()) continue;
    tidied.box_content += line;
    tidied.box_content += "\r\n";
  }
  // Split again, as the box is read back, so that the keywords are what the
  // box now shows.
  tidied.keywords = NameBoxLines(tidied.box_content);
  return tidied;
}

}  // namespace vorlix::app
