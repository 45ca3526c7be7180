#include "platform/x11/WindowStartState.h"

#include <xcb/xcb.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

// WM_HINTS as ICCCM lays it out: nine 32-bit fields, flags first, the start state third.
constexpr int HintFields = 9;
constexpr std::uint32_t StateHint = 1U << 1;
constexpr std::uint32_t NormalState = 1;

} // namespace

void SetNormalStartState(unsigned long Window) {
    xcb_connection_t* Connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(Connection) != 0) {
        xcb_disconnect(Connection);
        return;
    }
    const auto Id = static_cast<xcb_window_t>(Window);
    xcb_get_property_reply_t* Reply = xcb_get_property_reply(
        Connection,
        xcb_get_property(Connection, 0, Id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, HintFields),
        nullptr);
    if (Reply != nullptr && Reply->format == 32 &&
        xcb_get_property_value_length(Reply) >= static_cast<int>(sizeof(std::uint32_t) * 3)) {
        std::array<std::uint32_t, HintFields> Hints{};
        const int Length =
            std::min<int>(xcb_get_property_value_length(Reply), static_cast<int>(sizeof(Hints)));
        std::memcpy(Hints.data(), xcb_get_property_value(Reply), static_cast<std::size_t>(Length));
        Hints[0] |= StateHint;
        Hints[2] = NormalState;
        xcb_change_property(Connection, XCB_PROP_MODE_REPLACE, Id, XCB_ATOM_WM_HINTS,
                            XCB_ATOM_WM_HINTS, 32, HintFields, Hints.data());
        std::free(xcb_get_input_focus_reply(Connection, xcb_get_input_focus(Connection), nullptr));
    }
    std::free(Reply);
    xcb_disconnect(Connection);
}

} // namespace platform
