#pragma once

// The look the windows share: a panel shaded from white down to a blue grey, framed in a
// darker grey outside and white inside.

#include <QColor>

class TGradientPanel;

// The blue grey at the foot of the panels, also the colour of the lines drawn on them.
inline constexpr QColor PanelShade{0xA4, 0xBB, 0xD1};
// The panels' outer frame.
inline constexpr QColor PanelFrame{0x8E, 0x9C, 0xAD};

// Gives the panel the shared look: white to PanelShade, top to bottom, in its two frames.
void SetPanelLook(TGradientPanel* Panel);
