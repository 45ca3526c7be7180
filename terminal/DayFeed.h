#pragma once

// The feed of the days from From to To: their solar terms, traditional festivals and public
// holidays (休 days and 班 working days), and with LunarDays one event a day with its lunar
// date.

#include "calendar/HolidayTable.h"
#include "calendar/UDateTime.h"
#include "terminal/CalArguments.h"

#include <string>

struct TFeedSetting {
    TDateTime Stamp;
    std::string ZoneName;
};

std::string DayFeed(const TCalDate& From, const TCalDate& To, bool LunarDays,
                    const THolidayTable& Holidays, const TFeedSetting& Setting);
