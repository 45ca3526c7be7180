#include "calendar/UCalendar.h"
