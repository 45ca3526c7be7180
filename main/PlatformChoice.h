#pragma once

// The windowing platform to ask Qt for. On a Wayland session a client cannot place, move or
// fade its own top-level windows, which the borderless calendar does all the time, so the
// program runs through the session's X server when one is there.

#include <string>
#include <string_view>

// Empty: leave Qt's own choice. Qpa is what the user asked for in QT_QPA_PLATFORM.
std::string ChoosePlatform(std::string_view Qpa, std::string_view SessionType,
                           std::string_view WaylandDisplay, std::string_view Display);
