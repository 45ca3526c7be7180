#pragma once

// The file of the day's weather snapshot.

#include "calendar/UDateTime.h"

#include <QString>

// The data folder followed by the day of When as "yyyymmdd" and ".bmp".
QString WeatherSnapshotFileName(TDateTime When);
