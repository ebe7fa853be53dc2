#include "runtime/core/program_end.h"

#include "platform/message_box.h"
#include "platform/process.h"
#include "texts.h"

namespace vorlix::core {

void ShowFatalErrorBox(const std::string& gbk_text) {
  platform::ShowErrorBox(gbk_text, std::string(texts::kErrorTitle));
}

void EndProgram(int exit_code) { platform::ExitProcessNow(exit_code); }

}  // namespace vorlix::core
