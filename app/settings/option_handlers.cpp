#include "app/settings/option_handlers.h"

namespace vorlix::app {

// Bound to its event; awaits its behaviour.
core::HandlerResult SaveFoldersClicked(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult FolderNamesOnlyClicked(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult SaveKeywordsClicked(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult AutoRenameClicked(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult ExactMatchClicked(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult FuzzyMatchClicked(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult ChosenFoldersClicked(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult WholeComputerClicked(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult OptionHint(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult ToggleMoveButton(std::span<const core::Value>) { return std::nullopt; }

// Bound to its event; awaits its behaviour.
core::HandlerResult ToggleDeleteButton(std::span<const core::Value>) { return std::nullopt; }

}  // namespace vorlix::app
