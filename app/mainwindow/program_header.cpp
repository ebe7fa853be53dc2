#include "app/mainwindow/program_header.h"

#include <vector>

#include "app/mainwindow/external_function_declarations.h"
#include "app/mainwindow/handler_table.h"
#include "app/mainwindow/main_window_segment.h"

namespace vorlix::app {

const core::ProgramHeader& ApplicationHeader() {
  static const std::vector<core::ExternalFunctionDeclaration> external_functions = ExternalFunctionDeclarations();
  static const core::ProgramHeader header{
      .run_mode = 3,
      .reserved_a = 0,
      .reserved_b = 67978,
      .code_base = core::CodeBaseOf(HandlerTable()),
      .template_segment = MainWindowSegment(),
      .libraries = core::SupportLibraries(),
      .external_functions = external_functions,
  };
  return header;
}

}  // namespace vorlix::app
