#include "main/PlatformChoice.h"

std::string ChoosePlatform(std::string_view Qpa, std::string_view SessionType,
                           std::string_view WaylandDisplay, std::string_view Display) {
    if (!Qpa.empty())
        return {};
    const bool Wayland = SessionType == "wayland" || !WaylandDisplay.empty();
    if (Wayland && !Display.empty())
        return "xcb";
    return {};
}
