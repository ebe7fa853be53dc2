#include "runtime/core/values/fatal_error.h"

#include <array>

#include "platform/debugger.h"
#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/state/program_end.h"
#include "runtime/core/state/runtime_state.h"
#include "texts.h"

namespace vorlix::core {
namespace {

ErrorHook error_hook = nullptr;
bool hook_running = false;

constexpr std::array<std::string_view, 11> kRuntimeErrorTexts{
    texts::kRuntimeError1, texts::kRuntimeError2,  texts::kRuntimeError3, texts::kRuntimeError4,
    texts::kRuntimeError5, texts::kRuntimeError6,  texts::kRuntimeError7, texts::kRuntimeError8,
    texts::kRuntimeError9, texts::kRuntimeError10, texts::kRuntimeError11};

}  // namespace

std::string FatalErrorBoxText(std::string_view gbk_text, int error_code) {
  std::string box(texts::kErrorBoxHeading);
  if (error_code != 0) {
    box.append(texts::kErrorBoxCode).append(std::to_string(error_code)).append("\r\n\r\n");
  }
  if (!gbk_text.empty()) box.append(texts::kErrorBoxMessage).append(gbk_text).append("\r\n");
  return box;
}

void SetErrorHook(ErrorHook hook) { error_hook = hook; }

void FatalError(std::string_view gbk_text, int error_code) {
  SuspendEventDelivery();
  bool box_skipped = false;
  if (error_hook != nullptr && !hook_running) {
    hook_running = true;
    // The hook may throw (tests do); the flag must not stay set then.
    struct Reset {
      ~Reset() { hook_running = false; }
    } reset;
    box_skipped = error_hook(EventSuspensionDepth(), error_code, gbk_text);
  }
  if (!box_skipped) ShowFatalErrorBox(FatalErrorBoxText(gbk_text, error_code));
  if (Runtime().header.run_mode == kDebugRunMode) platform::BreakIntoDebugger();
  EndProgram(-1);
}

void RuntimeError(int number) {
  const bool known = number >= 1 && number <= static_cast<int>(kRuntimeErrorTexts.size());
  FatalError(known ? kRuntimeErrorTexts[number - 1] : std::string_view{}, number);
}

}  // namespace vorlix::core
