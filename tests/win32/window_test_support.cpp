#include "tests/win32/window_test_support.h"

#include "runtime/core/state/runtime_state.h"
#include "runtime/core/template/template_loader.h"
#include "tools/template_generator/segment_generator.h"

namespace vorlix::test {
namespace {

template <int N>
core::HandlerResult Recording(std::span<const core::Value> arguments) {
  const auto source = core::CurrentEventSource();
  HandlerCalls().push_back({kRecordingHandlers[N], source ? source->window : 0, source ? source->unit : 0,
                            std::vector<core::Value>(arguments.begin(), arguments.end())});
  if (N == 1) return 0;
  if (N == 2) return 1;
  if (N == 5) return 'B';
  return std::nullopt;
}

const core::Handler kHandlers[] = {Recording<0>, Recording<1>, Recording<2>, Recording<3>, Recording<4>, Recording<5>};

}  // namespace

std::vector<HandlerCall>& HandlerCalls() {
  static std::vector<HandlerCall> calls;
  return calls;
}

std::vector<std::string> CalledHandlers() {
  std::vector<std::string> names;
  for (const auto& call : HandlerCalls()) names.push_back(call.handler);
  return names;
}

tools::TemplateDescription NewDescription() {
  tools::TemplateDescription description;
  description.handler_names.assign(std::begin(kRecordingHandlers), std::end(kRecordingHandlers));
  return description;
}

void LoadDescription(const tools::TemplateDescription& description) {
  const core::ByteSet segment = tools::GenerateSegment(description, sizeof(core::Handler));
  const auto code_base = core::CodeBaseOf(std::span<const core::Handler>(kHandlers));
  core::Runtime().windows = core::LoadSegment(segment, code_base);
  HandlerCalls().clear();
}

void CloseAllWindows() {
  for (const auto& window : core::Runtime().windows) {
    if (auto* live = core::FindLiveWindow(window.id)) DestroyWindow(reinterpret_cast<HWND>(live->frame->window()));
  }
  PumpMessages();
  core::Runtime().windows.clear();
  HandlerCalls().clear();
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

HWND WindowOf(core::WindowId window, core::UnitId unit) {
  core::LiveUnit* live = core::FindLiveUnit(window, unit);
  return live == nullptr ? nullptr : reinterpret_cast<HWND>(live->window());
}

std::string Gbk(const wchar_t* text) { return platform::Narrow(text); }

}  // namespace vorlix::test
