#include "app/mainwindow/name_hint.h"

namespace vorlix::app {

// Bound to a press on 透明标签1; awaits unit properties of live windows.
core::HandlerResult HideNameHint(std::span<const core::Value>) { return std::nullopt; }

// Bound to 编辑框_文件名 losing the focus; awaits unit properties of live windows.
core::HandlerResult ShowNameHint(std::span<const core::Value>) { return std::nullopt; }

}  // namespace vorlix::app
