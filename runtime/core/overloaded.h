#pragma once

namespace vorlix::core {

// One visitor out of several lambdas, for std::visit over a Value's storage.
template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};

}  // namespace vorlix::core
