#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace vorlix::app {

enum class FolderRootUse {
  kRefused,  // gives no folder
  kAlone,    // compared by itself, not walked
  kWalked,   // collected with every folder below it
};

// How the folder-name search uses a Windows root. A root without a colon
// that is one byte long is a drive letter and gets its colon (C becomes
// C:); a longer one (a network path, say) is compared alone when it names a
// folder and refused otherwise. A root with a colon is walked when it names
// a folder and refused otherwise.
FolderRootUse UseOfWindowsFolderRoot(std::string& root, const std::function<bool(std::string_view)>& is_folder);

}  // namespace vorlix::app
