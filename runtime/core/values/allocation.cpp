#include "runtime/core/values/allocation.h"

#include <string>

#include "runtime/core/values/fatal_error.h"
#include "texts.h"

namespace vorlix::core {

void AllocationFailed(std::size_t bytes) {
  // Spliced rather than printed with "%d": the count may not fit an int.
  std::string text(texts::kAllocationFailed);
  text.replace(text.find("%d"), 2, std::to_string(bytes));
  FatalError(text);
}

}  // namespace vorlix::core
