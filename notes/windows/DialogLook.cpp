#include "notes/windows/DialogLook.h"

#include "widgets/GradientPanel.h"
#include "widgets/WindowFonts.h"
#include "widgets/WindowLook.h"

#include <QDialog>

TGradientPanel* SetUpDialog(QDialog* Dialog, const QString& Title, QSize Size) {
    Dialog->setAttribute(Qt::WA_DeleteOnClose);
    Dialog->setWindowTitle(Title);
    Dialog->setFixedSize(Size);
    Dialog->setFont(NotesFont(8));
    auto* Panel = new TGradientPanel(Dialog);
    Panel->setGeometry(Dialog->rect());
    SetPanelLook(Panel);
    return Panel;
}

QFrame* Bevel(QWidget* Parent, QFrame::Shape Shape, const QRect& Place) {
    auto* Line = new QFrame(Parent);
    Line->setFrameShape(Shape);
    Line->setFrameShadow(QFrame::Sunken);
    Line->setGeometry(Place);
    return Line;
}
