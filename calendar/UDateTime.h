#pragma once

// The program's date-time value: a point in local time, and the few operations on it
// that the engine and the windows share (building one from its parts, taking it apart,
// writing it as text with the date patterns).

#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>

using TDateTime = std::chrono::local_time<std::chrono::milliseconds>;

// A failed conversion of a text or of date parts; the message is shown to the user as it is.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TDateParts {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Millisecond = 0;
};

// Throws EConvertError("Invalid argument to date encode") for an impossible date or time
// (month 0, February 30, hour 24 and the like) and for years outside 1..9999.
TDateTime EncodeDate(int Year, int Month, int Day);
TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second,
                         int Millisecond = 0);

// Throws EConvertError("Invalid argument to date encode") unless the date is valid.
void CheckValidDate(int Year, int Month, int Day);
bool IsValidDate(int Year, int Month, int Day);

TDateParts DecodeDateTime(TDateTime Value);

// Reads a valid date written "yyyy-mm-dd" (four-digit year, two-digit month and day); false
// for any other text.
bool ReadIsoDate(std::string_view Text, int& Year, int& Month, int& Day);

// Writes Value with a pattern made of "yyyy" (four-digit year), "mm" (month), "dd" (day),
// "hh" (24-hour hour), "nn" (minute) and "ss" (second), each two digits with a leading zero;
// every other character is copied as it stands. "yyyy-mm-dd hh:nn" gives "2024-05-01 14:00".
std::string FormatDateTime(std::string_view Pattern, TDateTime Value);
