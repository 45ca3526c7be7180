#pragma once

// The common look of the note dialogs: fixed-size dialogs with a title and a close button,
// filled by a gradient panel, with sunken lines that divide them.

#include <QFrame>

class QDialog;
class TGradientPanel;

inline constexpr Qt::WindowFlags DialogFlags =
    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Gives Dialog (made with DialogFlags) its title, fixed size and default font, and lets it
// delete itself when closed. Returns the panel that fills it, in the windows' shared panel
// look.
TGradientPanel* SetUpDialog(QDialog* Dialog, const QString& Title, QSize Size);

// A sunken line (QFrame::HLine or QFrame::VLine) at Place.
QFrame* Bevel(QWidget* Parent, QFrame::Shape Shape, const QRect& Place);
