#include "runtime/core/values/date_time.h"

#include <cmath>

namespace vorlix::core {
namespace {

constexpr long long kSecondsPerDay = 24 * 60 * 60;

struct CivilDate {
  int year;
  int month;
  int day;
};

// Howard Hinnant's civil_from_days, counted from 0000-03-01 so that the leap
// day ends each 400-year era; works for days before the epoch as well.
CivilDate CivilFromDayNumber(long long day_number) {
  constexpr long long kDaysFrom0000March1To1899December30 = 693899;
  const long long z = day_number + kDaysFrom0000March1To1899December30;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long day_of_era = z - era * 146097;
  const long long year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const long long day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long long month_from_march = (5 * day_of_year + 2) / 153;
  const int day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  const int month = static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
  const int year = static_cast<int>(year_of_era + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

}  // namespace

CalendarTime ToCalendar(DateTime when) {
  const double whole = std::trunc(when.days());
  long long day_number = static_cast<long long>(whole);
  long long seconds = std::llround(std::fabs(when.days() - whole) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {
    seconds -= kSecondsPerDay;
    ++day_number;
  }
  const CivilDate date = CivilFromDayNumber(day_number);
  return {date.year,
          date.month,
          date.day,
          static_cast<int>(seconds / 3600),
          static_cast<int>(seconds / 60 % 60),
          static_cast<int>(seconds % 60)};
}

}  // namespace vorlix::core
