#pragma once

#include <cstdint>
#include <span>

#include "runtime/core/template/template_records.h"

namespace vorlix::core {

// The window template segment in its stored layout: little-endian words,
// counted texts and blocks, NUL-terminated texts inside the records.

// Reads a whole segment, which must be consumed exactly. Throws
// MalformedData. Handler words are left as stored.
TemplateSegment ParseSegment(std::span<const std::uint8_t> segment);

// Writes the segment: window slots as 0, each record table laid out in entry
// order.
ByteSet SerialiseSegment(const TemplateSegment& segment);

// One record's data, as the record table holds it.
UnitRecord ParseUnitRecord(std::span<const std::uint8_t> data);
MenuItemRecord ParseMenuItemRecord(std::span<const std::uint8_t> data);
ByteSet SerialiseRecord(const TemplateRecord& record);

}  // namespace vorlix::core
