#include "weather/UWeather.h"

#include "common/KeyedPicture.h"
#include "common/OnlineCheck.h"
#include "common/SecondaryWindow.h"
#include "common/WindowReferences.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "weather/WeatherCapture.h"
#include "weather/WeatherEndpoints.h"
#include "weather/WeatherSnapshot.h"
#include "widgets/CircularProgress.h"
#include "widgets/GradientDigitLabel.h"
#include "widgets/GradientPanel.h"
#include "widgets/GradientSeparator.h"
#include "widgets/WindowFonts.h"
#include "widgets/WindowLook.h"

#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QShowEvent>
#include <QThread>
#include <QTimer>

namespace {

constexpr int ClientWidth = 222;
constexpr int ClientHeight = 385;
constexpr int PollIntervalMs = 2000;
constexpr int BusyStepMs = 100;
constexpr unsigned long AfterCheckWaitMs = 220;

const QString Caption = QStringLiteral("天气预报");
const QString OfflineMessage = QStringLiteral("未连接到Internet，获取天气失败");

} // namespace

TfrmWeather::TfrmWeather(QWidget* Parent) : QWidget(Parent, Qt::Window) {
    setWindowFlag(Qt::FramelessWindowHint);
    setWindowTitle(Caption);
    setFixedSize(ClientWidth, ClientHeight);

    W7Panel1 = new TGradientPanel(this);
    W7Panel1->setGeometry(0, 0, ClientWidth, ClientHeight);
    SetPanelLook(W7Panel1);

    AdvSmoothLabel1 = new TGradientDigitLabel(W7Panel1);
    AdvSmoothLabel1->SetText(Caption);
    AdvSmoothLabel1->setGeometry(49, 0, 120, 28);
    AdvSmoothLabel1->setFont(RoundFont(27));
    const QColor TitleColour = palette().color(QPalette::WindowText);
    AdvSmoothLabel1->SetGradient(TitleColour, TitleColour);

    RzSeparator1 = new TGradientSeparator(W7Panel1);
    RzSeparator1->setGeometry(11, 28, ClientWidth - 22, 2);

    ImageWeather = new QLabel(W7Panel1);
    ImageWeather->setGeometry(0, 31, 222, 352);
    ImageWeather->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    AdvSmoothLabel2 = new QLabel(OfflineMessage, W7Panel1);
    AdvSmoothLabel2->setGeometry(13, 88, 196, 57);
    AdvSmoothLabel2->setFont(MingFont(19));
    AdvSmoothLabel2->setWordWrap(true);
    AdvSmoothLabel2->hide();

    AdvCircularProgress1 = new TCircularProgress(W7Panel1);
    AdvCircularProgress1->setGeometry(81, 157, 60, 60);
    AdvCircularProgress1->SetInterval(BusyStepMs);
    AdvCircularProgress1->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(PollIntervalMs);
    connect(Timer1, &QTimer::timeout, this, &TfrmWeather::Timer1Timer);

    FormCreate();
}

TfrmWeather::~TfrmWeather() {
    ClearReference(frmWeather, this);
}

void TfrmWeather::FormCreate() {
    AdvCircularProgress1->show();
    FPageLoaded = false;
    WebBrowser = new TWeatherCapture(WeatherEndpoints().CaptureProgram,
                                     QString::fromStdString(platform::DataFolder()), this);
    connect(WebBrowser, &TWeatherCapture::PageCompleted, this,
            &TfrmWeather::WebBrowserDocumentComplete);
    connect(WebBrowser, &TWeatherCapture::CaptureSaved, this, &TfrmWeather::ShowSnapshot);
}

void TfrmWeather::showEvent(QShowEvent* Event) {
    QWidget::showEvent(Event);
    if (!Event->spontaneous()) {
        FormShow();
    }
}

bool TfrmWeather::event(QEvent* Event) {
    if (Event->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QWidget::event(Event);
}

void TfrmWeather::FormShow() {
    TakeMainWindowOpacity(this);
    DockToMainWindow(this);
    const TWeatherEndpoints Endpoints = WeatherEndpoints();
    QString Result;
    CheckOnline(Endpoints.CheckHost, Result);
    QThread::msleep(AfterCheckWaitMs);
    // Showing a window activates it on some desktops only; a window manager may keep the
    // focus elsewhere, and the page would then never be captured.
    EnablePolling();
    if (Result.contains(OnlineCheckOk)) {
        AdvSmoothLabel2->hide();
        ImageWeather->show();
        WebBrowser->Navigate(WeatherPageAddress(Endpoints.ServiceHost));
    } else {
        AdvSmoothLabel2->show();
        ImageWeather->hide();
    }
}

void TfrmWeather::FormActivate() {
    EnablePolling();
}

// Enabling a running timer leaves its next tick where it was, so clicks into the window
// don't put the snapshot off.
void TfrmWeather::EnablePolling() {
    if (!Timer1->isActive()) {
        Timer1->start();
    }
}

void TfrmWeather::WebBrowserDocumentComplete() {
    FPageLoaded = true;
    AdvCircularProgress1->hide();
}

void TfrmWeather::Timer1Timer() {
    if (!FPageLoaded) {
        return;
    }
    SnapshotWeather();
    FPageLoaded = false;
    Timer1->stop();
}

void TfrmWeather::SnapshotWeather() {
    CaptureBrowserView(WeatherSnapshotFileName(platform::Now()));
}

void TfrmWeather::CaptureBrowserView(const QString& FileName) {
    WebBrowser->Capture(FileName);
}

void TfrmWeather::ShowSnapshot(const QString& FileName) {
    const QImage Snapshot(FileName, "BMP");
    if (!Snapshot.isNull()) {
        ImageWeather->setPixmap(QPixmap::fromImage(KeyedOutPicture(Snapshot)));
    }
}
