#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/core/events/event_dispatch.h"
#include "runtime/core/values/fatal_error.h"

namespace vorlix::test {

struct RaisedFatalError {
  int code;
  std::string text;
};

// Runs action with an error hook that turns a fatal error into an exception,
// so that the test sees the error instead of the program ending. Gives the
// error raised, or nothing when the action finished normally. Event
// delivery, which the error suspends for good, is resumed again so that the
// next test starts as the program would.
template <class Action>
std::optional<RaisedFatalError> FatalErrorOf(Action action) {
  core::SetErrorHook([](int, int code, std::string_view text) -> bool {
    throw RaisedFatalError{code, std::string(text)};
  });
  const int suspension_depth = core::EventSuspensionDepth();
  std::optional<RaisedFatalError> raised;
  try {
    action();
  } catch (const RaisedFatalError& error) {
    raised = error;
  }
  core::SetErrorHook(nullptr);
  while (core::EventSuspensionDepth() > suspension_depth) core::ResumeEventDelivery();
  return raised;
}

}  // namespace vorlix::test
