#include "app/settings/search_folders.h"

namespace vorlix::app {

// Bound to its event; awaits its behaviour.
core::HandlerResult AddFolderFromDialog(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult AddDroppedItems(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult ShowFolderMenu(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult RemoveCurrentFolder(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult RemoveAllFolders(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult CheckAllFolders(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult UncheckAllFolders(std::span<const core::Value>) { return std::nullopt; }

}  // namespace vorlix::app
