// The native build has no windows: the box goes to standard error.
#include <cstdio>
#include <cstdlib>

#include "runtime/core/state/program_end.h"

namespace vorlix::core {

void ShowFatalErrorBox(const std::string& gbk_text) {
  std::fwrite(gbk_text.data(), 1, gbk_text.size(), stderr);
}

void EndProgram(int exit_code) { std::_Exit(exit_code); }

}  // namespace vorlix::core
