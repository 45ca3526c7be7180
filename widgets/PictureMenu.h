#pragma once

// A popup menu whose items carry 16 x 16 pictures beside their captions, in the light skin
// of the program. Captions are shown as given: no accelerator keys are added.

#include <QMenu>

class TPictureMenu : public QMenu {
    Q_OBJECT

public:
    explicit TPictureMenu(QWidget* Parent = nullptr);

    // Adds an item; a null picture leaves its picture column empty.
    QAction* AddItem(const QString& Caption, const QIcon& Picture = QIcon());
};
