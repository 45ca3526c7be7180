#pragma once

// The astronomical events the calendar is built on, as instants in China's civil time
// (UTC+8): the 24 solar terms of each Gregorian year and every true new moon.

#include <vector>

// Days since 1970-01-01 00:00 UTC+8, with the fraction of the day.
using TLocalInstant = double;

struct TTermInstant {
    int Year = 0;
    int Index = 0; // 0 小寒 .. 23 冬至: the Sun at 285 + 15 * Index degrees
    TLocalInstant When = 0;
};

// Every term of the Gregorian years FirstYear .. LastYear, year by year in term order.
std::vector<TTermInstant> SolarTermInstants(int FirstYear, int LastYear);

// Every true new moon from the one before From to the one after To, in order.
std::vector<TLocalInstant> NewMoonInstants(TLocalInstant From, TLocalInstant To);

// The local day of an instant and its time rounded to the minute, kept within that day.
int LocalDay(TLocalInstant When);
int LocalMinuteOfDay(TLocalInstant When);

// Days since 1970-01-01 of a Gregorian date, and back.
int DayNumber(int Year, int Month, int Day);
void DateOfDayNumber(int Days, int& Year, int& Month, int& Day);
