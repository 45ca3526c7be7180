#pragma once

// When each solar term begins, to the minute in China's civil time (UTC+8), and which events
// lie so close to midnight that their day is uncertain.
//
// The moments come from the computed table (ComputedTables.h). In 1901 .. 2050 the term's
// day is the official table's; on the few days where the official day and the computed
// moment differ, the moment lies on the day next to it and is marked.

struct TTermMoment {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    bool NearMidnight = false; // the term may belong to the day before or after
};

// Term Number (1 小寒 .. 24 冬至) of a supported Gregorian year; false for any other.
bool SolarTermMoment(int Year, int Number, TTermMoment& Moment);

// The day of the month term Number of a supported year falls on, as the calendar shows it.
int SolarTermDay(int Year, int Number);

// Whether the day is the first of a lunar month whose new moon lies so close to midnight
// that the month might begin a day earlier or later.
bool NewMoonNearMidnight(int Year, int Month, int Day);
