#pragma once

#include <span>

#include "runtime/core/template/unit_type_catalogue.h"

namespace vorlix::core {

// Tells every library that takes notices, in library order.
void NotifyLibraries(std::span<const SupportLibrary> libraries, LibraryNotice notice);

}  // namespace vorlix::core
