#pragma once

#include <cstddef>
#include <new>
#include <stdexcept>

namespace vorlix::core {

// Ends the program with the memory error ("分配 %d 字节内存失败!") naming the
// number of bytes that were asked for.
[[noreturn]] void AllocationFailed(std::size_t bytes);

// Runs build(), which makes a result of `bytes` bytes. When the heap cannot
// give them the program ends with the memory error, as every allocation of
// the system does, instead of an exception escaping into a handler.
template <class Build>
auto AllocateOrFail(std::size_t bytes, Build&& build) -> decltype(build()) {
  try {
    return build();
  } catch (const std::bad_alloc&) {
    AllocationFailed(bytes);
  } catch (const std::length_error&) {
    AllocationFailed(bytes);
  }
}

}  // namespace vorlix::core
