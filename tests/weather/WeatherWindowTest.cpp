// The weather window with the real capture helper, against the loopback stand-in of the
// weather-widget service. The online check's echo is faked, so the window's choice
// between online and offline is the test's.

#include "weather/UWeather.h"

#include "common/WindowReferences.h"
#include "main/UMain.h"
#include "notes/windows/NoteAlarmClock.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/IcmpEcho.h"
#include "weather/WeatherCapture.h"
#include "weather/WeatherEndpoints.h"
#include "weather/loopback/EchoStandIn.h"
#include "weather/loopback/LoopbackWeatherService.h"
#include "widgets/CircularProgress.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

constexpr int SnapshotWaitMs = 30000;

const QString ExpectedTarget = QStringLiteral(
    "/weather/weather.aspx?uid=&cid=101010100&l=zh-CHS&p=CMA&a=1&u=C&s=11&m=0&x=1&d=5&fc=&bgc="
    "&bc=&ti=1&in=1&li=2&ct=iframe");

// The test page's dark block, 40 x 30 at (50, 100) on the page: 23 pixels of scroll and
// the view's first row and column left out put it at (49, 76) in the picture.
const QRect DarkBlock(49, 76, 40, 30);
const QRgb DarkBlockColor = qRgb(0x20, 0x40, 0x80);

enum class TEcho { Reply, NoReply, NoSocket };

class WeatherWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Data.isValid());
        platform::SetDataFolder(Data.path().toStdString());
        platform::SetClock([] { return EncodeDateTime(2024, 1, 31, 10, 0, 0); });
        ASSERT_FALSE(Service.Host().isEmpty());
        SetWeatherEndpoints({QStringLiteral("127.0.0.1"), Service.Host(),
                             QStringLiteral(RUXA_TEST_CAPTURE_PROGRAM)});
        Main = new TfrmManyYear;
        Main->tNoteAlarm->Stop();
        Main->move(100, 60);
        Main->show();
    }

    void TearDown() override {
        delete frmWeather;
        delete Main;
        ResetWeatherEndpoints();
        platform::SetEchoSocketOpener({});
        platform::SetClock({});
        platform::SetDataFolder({});
    }

    static void UseEcho(TEcho Echo) {
        if (Echo == TEcho::NoSocket) {
            platform::SetEchoSocketOpener([] { return std::unique_ptr<platform::TEchoSocket>(); });
        } else {
            AnswerEcho(Echo == TEcho::Reply);
        }
    }

    // Where the window stands when no snapshot came.
    static std::string WindowState() {
        return std::string("page completed: ") + (frmWeather->PageLoaded() ? "yes" : "no") +
               ", polling: " + (frmWeather->Timer1->isActive() ? "yes" : "no") +
               ", helper running: " + (frmWeather->WebBrowser->Running() ? "yes" : "no");
    }

    QString SnapshotFile() const { return Data.filePath(QStringLiteral("20240131.bmp")); }

    bool SnapshotShown() const {
        return QFile::exists(SnapshotFile()) && !frmWeather->ImageWeather->pixmap().isNull();
    }

    QTemporaryDir Data;
    TLoopbackWeatherService Service{TestWeatherPage()};
    TfrmManyYear* Main = nullptr;
};

TEST_F(WeatherWindow, OnlineShowsTheCapturedForecastOnItsGradient) {
    UseEcho(TEcho::Reply);
    Main->SetAlphaLevel(185);
    Main->N1Click();
    ASSERT_NE(frmWeather, nullptr);
    EXPECT_EQ(Main->N1->text(), QStringLiteral("隐藏天气预报"));
    EXPECT_EQ(frmWeather->windowTitle(), QStringLiteral("天气预报"));
    EXPECT_EQ(frmWeather->pos(), QPoint(100 + 631, 60));
    EXPECT_NEAR(frmWeather->windowOpacity(), 185 / 255.0, 0.005);
    EXPECT_TRUE(frmWeather->AdvCircularProgress1->isVisible());
    EXPECT_FALSE(frmWeather->AdvSmoothLabel2->isVisible());

    ASSERT_TRUE(QTest::qWaitFor([this] { return SnapshotShown(); }, SnapshotWaitMs))
        << WindowState();
    ASSERT_FALSE(Service.Targets().isEmpty());
    EXPECT_EQ(Service.Targets().first(), ExpectedTarget);
    EXPECT_FALSE(frmWeather->AdvCircularProgress1->isVisible());
    EXPECT_FALSE(frmWeather->PageLoaded());
    EXPECT_FALSE(frmWeather->Timer1->isActive());

    const QImage Snapshot(SnapshotFile(), "BMP");
    ASSERT_EQ(Snapshot.size(), QSize(222, 352));
    const QRgb Background = Snapshot.pixel(0, 0);
    int Wrong = 0;
    for (int Y = 0; Y < Snapshot.height(); ++Y) {
        for (int X = 0; X < Snapshot.width(); ++X) {
            const QRgb Expected = DarkBlock.contains(X, Y) ? DarkBlockColor : Background;
            Wrong += Snapshot.pixel(X, Y) != Expected;
        }
    }
    EXPECT_EQ(Wrong, 0) << "pixels neither the dark block nor the keyed background";

    // The keyed background is left out, the block is drawn.
    const QImage Shown = frmWeather->ImageWeather->pixmap().toImage();
    EXPECT_EQ(qAlpha(Shown.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(Shown.pixel(221, 351)), 0);
    EXPECT_EQ(Shown.pixel(DarkBlock.center()), DarkBlockColor);

    // Hiding the grid moves a visible weather window with the main window's right edge.
    Main->N12Click();
    EXPECT_EQ(frmWeather->x(), 100 + 221);
    Main->N12Click();
    EXPECT_EQ(frmWeather->x(), 100 + 631);
}

TEST_F(WeatherWindow, OfflineShowsTheMessageAndRequestsNothing) {
    for (const TEcho Echo : {TEcho::NoReply, TEcho::NoSocket}) {
        SCOPED_TRACE(Echo == TEcho::NoReply ? "no reply" : "no ICMP socket");
        UseEcho(Echo);
        Main->N1Click();
        ASSERT_NE(frmWeather, nullptr);
        EXPECT_TRUE(frmWeather->AdvSmoothLabel2->isVisible());
        EXPECT_EQ(frmWeather->AdvSmoothLabel2->text(),
                  QStringLiteral("未连接到Internet，获取天气失败"));
        EXPECT_FALSE(frmWeather->ImageWeather->isVisible());
        EXPECT_TRUE(frmWeather->AdvCircularProgress1->isVisible());
        const int Before = frmWeather->AdvCircularProgress1->Position();
        QTest::qWait(1500);
        EXPECT_NE(frmWeather->AdvCircularProgress1->Position(), Before) << "the indicator turns";
        EXPECT_TRUE(Service.Targets().isEmpty());
        EXPECT_FALSE(frmWeather->WebBrowser->Running());
        EXPECT_FALSE(QFile::exists(SnapshotFile()));
        Main->N1Click();
        EXPECT_FALSE(frmWeather->isVisible());
        delete frmWeather;
    }
}

// The title's glyphs stand wholly inside its 28-pixel box and below the window's
// two-pixel frame: none of them is cut by the frame or covers it.
TEST_F(WeatherWindow, TitleStandsBelowTheFrame) {
    UseEcho(TEcho::NoReply);
    Main->N1Click();
    ASSERT_NE(frmWeather, nullptr);
    const QImage Picture = frmWeather->grab().toImage();
    const auto DarkPixelsInRows = [&Picture](int Top, int Bottom) {
        int Dark = 0;
        for (int Y = Top; Y <= Bottom; ++Y) {
            for (int X = 49; X < 49 + 120; ++X) {
                Dark += qGray(Picture.pixel(X, Y)) < 100 ? 1 : 0;
            }
        }
        return Dark;
    };
    EXPECT_EQ(DarkPixelsInRows(0, 1), 0) << "the frame rows carry no glyph";
    EXPECT_GT(DarkPixelsInRows(2, 27), 200) << "the title is drawn";
}

TEST_F(WeatherWindow, ShownAgainOnlineTheMessageMakesWayForThePicture) {
    UseEcho(TEcho::NoReply);
    Main->N1Click();
    ASSERT_TRUE(frmWeather->AdvSmoothLabel2->isVisible());
    Main->N1Click();
    UseEcho(TEcho::Reply);
    Main->N1Click();
    EXPECT_FALSE(frmWeather->AdvSmoothLabel2->isVisible());
    EXPECT_TRUE(frmWeather->ImageWeather->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return SnapshotShown(); }, SnapshotWaitMs))
        << WindowState();
}

// Every click into the window activates it; the poll must keep its pace all the same.
TEST_F(WeatherWindow, ActivationsDoNotPutTheSnapshotOff) {
    UseEcho(TEcho::Reply);
    Main->N1Click();
    for (int Step = 0; Step < 12 && !SnapshotShown(); ++Step) {
        QEvent Activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(frmWeather, &Activate);
        QTest::qWait(300);
    }
    EXPECT_TRUE(SnapshotShown()) << WindowState();
}

TEST_F(WeatherWindow, HidingWhileThePageLoadsStillWritesTheSnapshot) {
    Service.SetDelay(1500);
    UseEcho(TEcho::Reply);
    Main->N1Click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Service.Targets().isEmpty(); }, SnapshotWaitMs));
    ASSERT_TRUE(frmWeather->AdvCircularProgress1->isVisible()) << "still loading";
    Main->N1Click();
    EXPECT_FALSE(frmWeather->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return SnapshotShown(); }, SnapshotWaitMs))
        << WindowState();
}

} // namespace
