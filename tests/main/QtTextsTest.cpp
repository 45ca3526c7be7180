// Qt's own texts in the program's language. A program of its own, since the translation
// stays installed for the rest of the run.

#include "main/QtTexts.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

bool HasChinese(const QString& Text) {
    return std::any_of(Text.begin(), Text.end(),
                       [](QChar C) { return C.unicode() >= 0x4E00 && C.unicode() <= 0x9FFF; });
}

TEST(QtTexts, LineEditMenuAndMessageBoxButtonsAreChinese) {
    ASSERT_TRUE(LoadChineseQtTexts(*qApp))
        << "Qt's translations are missing (qt6-translations-l10n)";

    QLineEdit Edit(QStringLiteral("便签"));
    const std::unique_ptr<QMenu> Menu(Edit.createStandardContextMenu());
    int Commands = 0;
    for (const QAction* Action : Menu->actions()) {
        if (Action->isSeparator())
            continue;
        ++Commands;
        EXPECT_TRUE(HasChinese(Action->text())) << Action->text().toStdString();
    }
    EXPECT_GE(Commands, 6); // undo, redo, cut, copy, paste, delete, select all

    QMessageBox Box(QMessageBox::Warning, QStringLiteral("万年历"),
                    QStringLiteral("标题不能为空！"), QMessageBox::Ok);
    EXPECT_EQ(Box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
}

} // namespace
