#include "runtime/core/program/library_notices.h"

namespace vorlix::core {

void NotifyLibraries(std::span<const SupportLibrary> libraries, LibraryNotice notice) {
  for (const SupportLibrary& library : libraries) {
    if (library.notify != nullptr) library.notify(notice);
  }
}

}  // namespace vorlix::core
