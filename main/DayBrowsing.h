#pragma once

// Moving the selected day of the month grid with the keyboard: the arrow keys go a day or a
// week, into the neighbouring month where the step leads there; Page Up and Page Down go a
// month back or on, to the same day or the month's last; Home goes to today. No step leaves
// the calendar's range of years.

struct TGridDay {
    int Year = 0;
    int Month = 0;
    int Day = 0;

    friend bool operator==(const TGridDay&, const TGridDay&) = default;
};

// Where Key (a Qt key code) takes the selection from From; From itself for a key that does
// not move it or a step out of the range.
TGridDay DayAfterKey(const TGridDay& From, int Key, const TGridDay& Today);

// Whether Key is one that DayAfterKey moves by.
bool IsDayBrowsingKey(int Key);
