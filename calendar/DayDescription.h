#pragma once

// The description of a day as the day cell's tooltip and the terminal calendar's --day show
// it, one line per item: the Gregorian date with the week day, the long lunar date, the
// pillars of year, month and day with the zodiac animal, the solar term with the minute it
// begins, a short note when the term or the new moon of a month's first day lies so close to
// midnight that the day is uncertain, the festivals, the public holiday, and the titles and
// times of the day's desk notes.

#include "calendar/DayDetails.h"

#include <string>
#include <vector>

struct TNoteHeading {
    std::string Title;
    std::string When; // the note's time text as stored, "yyyy-mm-dd hh:nn" or anything else
};

std::vector<std::string> DayDescription(const TDayDetails& Details,
                                        const std::vector<TNoteHeading>& Notes);
