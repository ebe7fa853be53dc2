#include "runtime/core/values/date_time.h"

#include <gtest/gtest.h>

namespace vorlix::core {
namespace {

constexpr double kSecond = 1.0 / 86400;

struct Ymd {
  int year, month, day;
};

void ExpectDate(double days, Ymd expected) {
  const CalendarTime t = ToCalendar(DateTime(days));
  EXPECT_EQ(t.year, expected.year) << "day " << days;
  EXPECT_EQ(t.month, expected.month) << "day " << days;
  EXPECT_EQ(t.day, expected.day) << "day " << days;
}

void ExpectTime(double days, int hour, int minute, int second) {
  const CalendarTime t = ToCalendar(DateTime(days));
  EXPECT_EQ(t.hour, hour) << "day " << days;
  EXPECT_EQ(t.minute, minute) << "day " << days;
  EXPECT_EQ(t.second, second) << "day " << days;
}

TEST(CalendarDate, day_zero_is_the_30th_of_december_1899) { ExpectDate(0, {1899, 12, 30}); }

TEST(CalendarDate, the_range_runs_from_year_100_to_9999) {
  ExpectDate(-657434, {100, 1, 1});
  ExpectDate(2958465, {9999, 12, 31});
}

TEST(CalendarDate, days_beyond_the_range_are_clamped_first) {
  ExpectDate(3'000'000, {9999, 12, 31});
  ExpectDate(-700'000, {100, 1, 1});
}

TEST(CalendarDate, leap_days_follow_the_gregorian_rules) {
  ExpectDate(60, {1900, 2, 28});
  ExpectDate(61, {1900, 3, 1});
  ExpectDate(36585, {2000, 2, 29});
  ExpectDate(-109512, {1600, 2, 29});
}

TEST(CalendarDate, a_recent_day) { ExpectDate(45296, {2024, 1, 5}); }

TEST(CalendarTime, the_fraction_is_the_time_of_day) { ExpectTime(45296 + 8.5 / 24, 8, 30, 0); }

TEST(CalendarTime, before_1899_the_fraction_still_counts_from_midnight) {
  ExpectDate(-1.25, {1899, 12, 29});
  ExpectTime(-1.25, 6, 0, 0);
}

TEST(CalendarTime, the_time_is_rounded_to_the_nearest_second) {
  const double morning = 45296 + 8.5 / 24;
  ExpectTime(morning + 0.4 * kSecond, 8, 30, 0);
  ExpectTime(morning + 0.6 * kSecond, 8, 30, 1);
}

TEST(CalendarTime, rounding_up_at_the_end_of_a_day_moves_to_the_next_midnight) {
  const double almost_midnight = 45296 + 1 - 0.4 * kSecond;
  ExpectDate(almost_midnight, {2024, 1, 6});
  ExpectTime(almost_midnight, 0, 0, 0);
  // -1.9999954 is 1899-12-29 23:59:59.6.
  ExpectDate(-2 + 0.4 * kSecond, {1899, 12, 30});
}

}  // namespace
}  // namespace vorlix::core
