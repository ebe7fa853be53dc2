#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "runtime/core/fatal_error.h"

namespace vorlix::test {

struct RaisedFatalError {
  int code;
  std::string text;
};

// Runs action with an error hook that turns a fatal error into an exception,
// so that the test sees the error instead of the program ending. Gives the
// error raised, or nothing when the action finished normally.
template <class Action>
std::optional<RaisedFatalError> FatalErrorOf(Action action) {
  core::SetErrorHook([](int, int code, std::string_view text) -> bool {
    throw RaisedFatalError{code, std::string(text)};
  });
  std::optional<RaisedFatalError> raised;
  try {
    action();
  } catch (const RaisedFatalError& error) {
    raised = error;
  }
  core::SetErrorHook(nullptr);
  return raised;
}

}  // namespace vorlix::test
