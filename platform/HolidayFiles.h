#pragma once

// Reads the public-holiday arrangement from its files: the one shipped with the program,
// then holidays.csv in the data folder, whose years replace the shipped ones whole. A file
// that does not read as a complete table is left out as a whole, and why is told. The table
// itself, and the reading of its text, are the calendar's (calendar/HolidayTable.h).

#include "calendar/HolidayTable.h"

#include <string>
#include <vector>

struct THolidaysRead {
    THolidayTable Table;
    std::vector<std::string> Faults; // one line each, naming the file
};

// The shipped file: share/ruxa-calendar/holidays.csv beside the program's folder when
// installed, else the copy in the build tree.
std::string ShippedHolidayFile();
// holidays.csv in the data folder.
std::string DataFolderHolidayFile();

// A file that does not exist is no fault for the data folder's one.
THolidaysRead ReadHolidayFiles(const std::string& Shipped, const std::string& Local);
THolidaysRead ReadHolidayFiles();
