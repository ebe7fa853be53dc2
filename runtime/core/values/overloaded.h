#pragma once

namespace vorlix::core {

// One visitor out of several lambdas, for std::visit over a Value's storage.
template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
// Clang before 17 deduces no aggregate's template arguments by itself.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace vorlix::core
