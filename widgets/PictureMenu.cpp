#include "widgets/PictureMenu.h"

#include "widgets/WindowLook.h"

TPictureMenu::TPictureMenu(QWidget* Parent) : QMenu(Parent) {
    setStyleSheet(QStringLiteral(
                      "QMenu { background: #FFFFFF; border: 1px solid %1; padding: 2px; }"
                      "QMenu::item { padding: 4px 22px 4px 8px; color: #1E2A38; }"
                      "QMenu::item:selected { background: #F1C15E; color: #000000; }"
                      "QMenu::item:disabled { color: #9AA4B0; }"
                      "QMenu::icon { padding-left: 6px; }"
                      "QMenu::separator { height: 1px; background: %2; margin: 3px 6px 3px 28px; }")
                      .arg(PanelFrame.name(), PanelShade.name()));
}

QAction* TPictureMenu::AddItem(const QString& Caption, const QIcon& Picture) {
    QAction* Item = addAction(Picture, Caption);
    Item->setIconVisibleInMenu(true);
    return Item;
}
