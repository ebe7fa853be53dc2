#include "platform/threads.h"

#include <windows.h>

#include <memory>

namespace vorlix::platform {
namespace {

struct ThreadStart {
  std::function<void(std::int32_t)> routine;
  std::int32_t parameter;
};

DWORD WINAPI RunThread(void* argument) {
  std::unique_ptr<ThreadStart> start(static_cast<ThreadStart*>(argument));
  start->routine(start->parameter);
  return 0;
}

}  // namespace

bool StartThread(std::function<void(std::int32_t)> routine, std::int32_t parameter, std::intptr_t* handle) {
  auto start = std::make_unique<ThreadStart>(ThreadStart{std::move(routine), parameter});
  HANDLE thread = CreateThread(nullptr, 0, RunThread, start.get(), 0, nullptr);
  if (!thread) return false;
  start.release();  // the thread owns it now
  if (handle) {
    *handle = reinterpret_cast<std::intptr_t>(thread);
  } else {
    CloseHandle(thread);
  }
  return true;
}

}  // namespace vorlix::platform
