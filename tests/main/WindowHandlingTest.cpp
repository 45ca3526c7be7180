#include "main/WindowHandling.h"
#include "main/PlatformChoice.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowHandling, TheWindowMovesByThePointersTravel) {
    struct {
        QPoint Window, Down, Release, Expected;
    } const Cases[] = {
        {{100, 200}, {10, 20}, {40, 25}, {130, 205}},
        {{100, 200}, {50, 50}, {20, 10}, {70, 160}},
        // A release outside the panel, left of and above it.
        {{300, 300}, {5, 5}, {-95, -45}, {200, 250}},
        {{0, 0}, {7, 7}, {7, 7}, {0, 0}},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(DraggedWindowPos(Case.Window, Case.Down, Case.Release), Case.Expected);
}

TEST(WindowHandling, OtherKeysLeaveTheLevel) {
    for (const int Key : {int(Qt::Key_A), int(Qt::Key_Y), int(Qt::Key_Escape)})
        EXPECT_EQ(AlphaAfterKey(200, Key), 200);
}

TEST(PlatformChoice, WaylandSessionsWithAnXServerRunThroughIt) {
    struct {
        const char *Qpa, *Session, *Wayland, *Display, *Expected;
    } const Cases[] = {
        {"", "wayland", "wayland-0", ":0", "xcb"},
        {"", "", "wayland-0", ":0", "xcb"},
        {"", "wayland", "", ":1", "xcb"},
        // No X server to go through: Qt's own choice.
        {"", "wayland", "wayland-0", "", ""},
        {"", "x11", "", ":0", ""},
        // What the user asked for is kept.
        {"wayland", "wayland", "wayland-0", ":0", ""},
        {"offscreen", "", "", "", ""},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(ChoosePlatform(Case.Qpa, Case.Session, Case.Wayland, Case.Display), Case.Expected)
            << Case.Qpa << "|" << Case.Session << "|" << Case.Wayland << "|" << Case.Display;
}

} // namespace
