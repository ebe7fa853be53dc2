#pragma once

namespace vorlix::core {

// A point in time as a day number: whole days since 1899-12-30 with the time
// of day as the fraction. Before 1899-12-30 the fraction still counts forward
// from midnight (-1.25 is 1899-12-29 06:00), as OLE dates do.
// Every stored value lies within 100-01-01 and 9999-12-31.
class DateTime {
 public:
  static constexpr double kEarliest = -657434;  // 100-01-01 00:00:00
  static constexpr double kLatest = 2958465;    // 9999-12-31 00:00:00

  constexpr DateTime() = default;
  // Out-of-range values are clamped; NaN, which names no day, becomes day 0.
  constexpr explicit DateTime(double days)
      : days_(days != days ? 0 : days < kEarliest ? kEarliest : days > kLatest ? kLatest : days) {}

  constexpr double days() const { return days_; }

 private:
  double days_ = 0;
};

struct CalendarTime {
  int year;
  int month;   // 1-12
  int day;     // 1-31
  int hour;    // 0-23
  int minute;  // 0-59
  int second;  // 0-59
};

// Proleptic Gregorian calendar. The time of day is rounded to the nearest
// second, as the platform's variant-time conversion does, so 23:59:59.6
// becomes midnight of the next day.
CalendarTime ToCalendar(DateTime when);

}  // namespace vorlix::core
