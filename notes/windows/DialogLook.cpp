#include "notes/windows/DialogLook.h"

#include "widgets/GradientPanel.h"
#include "widgets/WindowLook.h"

#include <QDialog>

namespace {

QFont DialogFont() {
    QFont Face;
    Face.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("WenQuanYi Micro Hei")});
    Face.setPointSize(8);
    return Face;
}

} // namespace

TGradientPanel* SetUpDialog(QDialog* Dialog, const QString& Title, QSize Size) {
    Dialog->setAttribute(Qt::WA_DeleteOnClose);
    Dialog->setWindowTitle(Title);
    Dialog->setFixedSize(Size);
    Dialog->setFont(DialogFont());
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
