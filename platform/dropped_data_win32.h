#pragma once

// Reading the formats a drop target takes out of a dragged data object.
#include <windows.h>
#include <ole2.h>

#include <optional>
#include <string>
#include <vector>

namespace vorlix::platform {

enum class DroppedFormat { kText, kHtml, kLink, kFiles };

bool Offers(IDataObject* data, DroppedFormat format);

// GBK texts; nothing when the data does not come in that format.
std::optional<std::string> DroppedText(IDataObject* data);
// No-break spaces become ordinary spaces.
std::optional<std::string> DroppedHtml(IDataObject* data);
std::optional<std::string> DroppedLink(IDataObject* data);
// The full paths in the source's order.
std::vector<std::string> DroppedPaths(IDataObject* data);

}  // namespace vorlix::platform
