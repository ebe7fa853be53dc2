#pragma once

#include <span>

#include "runtime/core/template/unit_type_catalogue.h"

namespace vorlix::core {

// The type arrays of the libraries that hold unit types of this program.
std::span<const UnitTypeDescriptor> CoreLibraryTypes();
std::span<const UnitTypeDescriptor> ExtendedUserInterfaceTypes();
std::span<const UnitTypeDescriptor> DragAndDropTypes();

// A type slot that this program does not use keeps its number with this.
inline constexpr UnitTypeDescriptor kUnusedType{"", "Unused", 0, {}, nullptr};

constexpr std::int32_t kDefaultColourWord = static_cast<std::int32_t>(0xFF000000u);

}  // namespace vorlix::core
