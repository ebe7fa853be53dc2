#include "platform/ole.h"

#include <windows.h>

#include <ole2.h>

namespace vorlix::platform {
namespace {

bool initialised = false;

}  // namespace

void InitialiseOle() {
  if (!initialised) initialised = SUCCEEDED(OleInitialize(nullptr));
}

void ReleaseOle() {
  if (!initialised) return;
  initialised = false;
  OleUninitialize();
}

}  // namespace vorlix::platform
