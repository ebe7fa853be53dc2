#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

#include "runtime/core/template/property_value.h"
#include "tools/template_generator/window_description.h"

namespace vorlix::tools {

// A description that cannot become a segment: the message says which unit
// and what is wrong, and the build stops with it.
class DescriptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string HexId(std::uint32_t id);

// The window template segment of the description. Handler offsets are the
// handler's position in the table times handler_entry_size, the size of one
// entry of the target program's handler table. Checks the description
// (ids, containers, links, handlers, menu levels) and that the segment
// reads back.
core::ByteSet GenerateSegment(const TemplateDescription& description, std::size_t handler_entry_size);

}  // namespace vorlix::tools
