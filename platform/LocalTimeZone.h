#pragma once

// The name of the local time zone in the time-zone database, such as "Asia/Shanghai".

#include <string>

namespace platform {

// From TZ when it names a zone, else from /etc/timezone, else from the link /etc/localtime;
// empty when none tells.
std::string LocalTimeZoneName();

} // namespace platform
