#pragma once

#include <cstdint>
#include <span>

#include "runtime/core/template/external_function_declaration.h"
#include "runtime/core/template/template_loader.h"
#include "runtime/core/template/unit_type_catalogue.h"

namespace vorlix::core {

// The run mode in which every fatal error stops in the debugger after its box.
constexpr std::uint32_t kDebugRunMode = 2;

// What the application carries for the runtime to start it: read once by
// the runtime's initialisation.
struct ProgramHeader {
  // 2: every fatal error stops in the debugger; any other value ends the program.
  std::uint32_t run_mode = 0;
  // Kept as given; they have no effect.
  std::uint32_t reserved_a = 0;
  std::uint32_t reserved_b = 0;
  // The application's handler table, which the stored handler offsets count into.
  ApplicationCodeBase code_base;
  std::span<const std::uint8_t> template_segment;
  // In the order that numbers the libraries in unit type codes.
  std::span<const SupportLibrary> libraries;
  // The operating-system functions the application calls by index.
  std::span<const ExternalFunctionDeclaration> external_functions;
};

}  // namespace vorlix::core
