#pragma once

// The state an X11 window asks the window manager for when it is mapped (WM_HINTS). A
// toolkit that minimised a window itself leaves "minimised" there after the window manager
// has given the window back, so the next showing of a hidden window would come up minimised.

namespace platform {

// Sets the start state of the X11 window Window to normal on the display of $DISPLAY.
// Nothing happens without a display, or for a window without hints.
void SetNormalStartState(unsigned long Window);

} // namespace platform
