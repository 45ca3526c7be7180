#include "about/BuildConstants.h"
#include "about/ExeInfo.h"
#include "about/UAbout.h"
#include "about/WebAddress.h"
#include "common/WindowReferences.h"
#include "main/UMain.h"
#include "platform/DataFolder.h"
#include "widgets/GlassButton.h"

#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(AboutWindow, ShowsTheProgramsVersionInformation) {
    TfrmAbout Window;
    EXPECT_EQ(Window.windowTitle(), "关于本软件");
    EXPECT_TRUE(Window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(Window.size(), QSize(357, 205));
    EXPECT_EQ(Window.lblVersion->text(), "1.0.0.2");
    EXPECT_EQ(Window.lblProductName->text(), QString::fromUtf8(BuildConstants::ProductName));
    EXPECT_EQ(Window.lblDevolper->text(), QString::fromUtf8(BuildConstants::MakerName));
    EXPECT_EQ(Window.lblWebSite->text(), QString::fromUtf8(BuildConstants::WebAddress));
    EXPECT_EQ(Window.Label5->text(), "X键降低窗口透明度 Z键增加窗体透明度");
    EXPECT_EQ(Window.W7ToolButton1->text(), "确  定");
    EXPECT_FALSE(Window.Image1->pixmap().isNull());
}

// The click opens the program's fixed address, whatever the label shows.
TEST(AboutWindow, WebSiteClickOpensTheMakersAddress) {
    std::vector<QUrl> Opened;
    SetWebOpener([&](const QUrl& Address) { Opened.push_back(Address); });
    TfrmAbout Window;
    Window.lblWebSite->setText(QStringLiteral("https://elsewhere.example.net"));
    Window.show();
    QTest::mouseClick(Window.lblWebSite, Qt::RightButton);
    EXPECT_TRUE(Opened.empty());
    QTest::mouseClick(Window.lblWebSite, Qt::LeftButton);
    SetWebOpener({});
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_EQ(Opened[0], QUrl(QString::fromUtf8(BuildConstants::WebAddress)));
}

struct Opening {
    QPointer<TfrmAbout> Window;
    int Alpha = -1;
    bool Modal = false;
    QPoint Centre;
};

// Runs the menu command; once the modal window is up, notes what it shows and leaves it
// with Leave.
Opening OpenAbout(TfrmManyYear& Main, const std::function<void(TfrmAbout&)>& Leave) {
    Opening Seen;
    QTimer::singleShot(0, [&] {
        Seen.Window = frmAbout;
        if (frmAbout == nullptr) {
            return;
        }
        Seen.Alpha = frmAbout->AlphaLevel();
        Seen.Modal = frmAbout->isModal() && QApplication::activeModalWidget() == frmAbout;
        Seen.Centre = frmAbout->frameGeometry().center();
        Leave(*frmAbout);
    });
    Main.N11Click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return Seen;
}

TEST(AboutWindow, EachOpeningIsAFreshModalWindowWithTheMainWindowsOpacity) {
    QTemporaryDir Data;
    platform::SetDataFolder(Data.path().toStdString());
    TfrmManyYear Main;
    Main.move(200, 150);
    Main.show();
    const auto ClickOk = [](TfrmAbout& Window) {
        QTest::mouseClick(Window.W7ToolButton1, Qt::LeftButton);
    };

    Main.SetAlphaLevel(205);
    const Opening First = OpenAbout(Main, ClickOk);
    EXPECT_EQ(First.Alpha, 205);
    EXPECT_TRUE(First.Modal);
    EXPECT_LE((First.Centre - Main.frameGeometry().center()).manhattanLength(), 2);
    EXPECT_EQ(frmAbout, nullptr);
    EXPECT_TRUE(First.Window.isNull()) << "the closed window is freed";

    Main.SetAlphaLevel(145);
    const Opening Second =
        OpenAbout(Main, [](TfrmAbout& Window) { QTest::keyClick(&Window, Qt::Key_Escape); });
    EXPECT_EQ(Second.Alpha, 145);
    EXPECT_EQ(frmAbout, nullptr);
    EXPECT_TRUE(Second.Window.isNull());
    platform::SetDataFolder({});
}

} // namespace
