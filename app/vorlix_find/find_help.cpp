#include "app/vorlix_find/find_help.h"

#include "app/vorlix_find/find_arguments.h"
#include "app/vorlix_find/find_platform_rules.h"

namespace vorlix::app {
namespace {

constexpr std::size_t kOptionColumn = 22;

std::string OptionLine(const FindOption& option) {
  std::string line = "  ";
  if (!option.short_name.empty()) line.append(option.short_name).append(", ");
  line.append(option.long_name);
  if (!option.value.empty()) line.append(" ").append(option.value);
  line.append(line.size() < kOptionColumn ? kOptionColumn - line.size() : 1, ' ');
  return line.append(option.help).append("\n");
}

}  // namespace

std::string FindHelp(std::string_view index_file) {
  std::string help(kFindUsage);
  help += "\n\nFinds many files at once by name: every file below the ROOT folders whose name matches a line\n"
          "of FILE (exactly: the whole name, or the name without its last extension; ASCII letters in any case).\n"
          "Each match is a line: its path as on disk, a tab, and its name in lower case.\n";
  help += FindPlatformHelp();
  help += "\nOptions:\n";
  for (const FindOption& option : FindOptions()) help += OptionLine(option);
  help += "\nExit status: 0 the search ran; 1 the output could not be written, or a ROOT or a folder below it\n"
          "could not be listed (each named on standard error; the rest is still searched); 2 wrong arguments,\n"
          "or a names file that cannot be read, is not UTF-8 or holds no name.\n";
  help += "\nThe folder index lives in ";
  help += index_file.empty() ? std::string_view("(no cache folder: none is kept)") : index_file;
  help += ";\na repeat search reads the folders whose stamps did not change from it, and prints the same rows.\n";
  help += "\nExample: the photos of a list, copied elsewhere (names with spaces included):\n"
          "  vorlix-find -0 --names picks.txt ~/Pictures | xargs -0 cp -t /media/usb/\n"
          "\nThe manual page (man vorlix-find) has the rest.\n";
  return help;
}

}  // namespace vorlix::app
