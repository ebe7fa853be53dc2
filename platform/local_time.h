#pragma once

namespace vorlix::platform {

// A moment on the computer's clock, in its time zone.
struct LocalTime {
  int year = 0;
  int month = 0;  // 1-12
  int day = 0;    // 1-31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

LocalTime LocalTimeNow();

}  // namespace vorlix::platform
