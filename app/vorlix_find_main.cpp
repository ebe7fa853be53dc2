// vorlix-find: the file search of the window on the command line.
#include "app/search/walk/folder_lister.h"
#include "app/vorlix_find/vorlix_find.h"
#include "platform/standard_streams.h"

int main(int argc, char** argv) {
  const auto arguments = vorlix::platform::ProgramArguments(argc, argv);
  return vorlix::app::RunVorlixFind(arguments, vorlix::app::SystemFolderLister(), vorlix::app::StandardFindStreams());
}
