#pragma once

// The common look of the note dialogs: their default font, the gradient panel that fills
// them and the sunken lines that divide them.

#include <QFont>
#include <QFrame>

class TGradientPanel;

QFont DialogFont();

// A panel filling Dialog: a vertical gradient from white to #A4BBD1 with a #8E9CAD outer
// frame and a white inner frame.
TGradientPanel* FillingPanel(QWidget* Dialog);

// A sunken line (QFrame::HLine or QFrame::VLine) at Place.
QFrame* Bevel(QWidget* Parent, QFrame::Shape Shape, const QRect& Place);
