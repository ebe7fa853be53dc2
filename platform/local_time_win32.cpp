#include "platform/local_time.h"

#include <windows.h>

namespace vorlix::platform {

LocalTime LocalTimeNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace vorlix::platform
