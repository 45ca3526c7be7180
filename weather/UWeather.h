#pragma once

// The weather window "天气预报": docked at the main window's right edge, it shows the day's
// forecast widget page as a snapshot on its own gradient, or a message when the machine is
// offline. The page is loaded and captured by the helper process behind WebBrowser.

#include <QWidget>

class QLabel;
class QTimer;
class TCircularProgress;
class TGradientDigitLabel;
class TGradientPanel;
class TGradientSeparator;
class TWeatherCapture;

class TfrmWeather : public QWidget {
    Q_OBJECT

public:
    explicit TfrmWeather(QWidget* Parent = nullptr);
    ~TfrmWeather() override;

    TGradientPanel* W7Panel1 = nullptr;
    // The title, its glyphs centred in their box so that the frame never cuts them.
    TGradientDigitLabel* AdvSmoothLabel1 = nullptr;
    TGradientSeparator* RzSeparator1 = nullptr;
    QLabel* ImageWeather = nullptr;
    QLabel* AdvSmoothLabel2 = nullptr;
    TCircularProgress* AdvCircularProgress1 = nullptr;
    // Polls every 2000 ms for a completed page, from the window's showing or activation.
    QTimer* Timer1 = nullptr;
    // The off-screen browser.
    TWeatherCapture* WebBrowser = nullptr;

    // True from a top-level page's completion until its snapshot is taken.
    bool PageLoaded() const { return FPageLoaded; }

    void FormCreate();
    void FormShow();
    void FormActivate();
    void Timer1Timer();
    void WebBrowserDocumentComplete();
    void SnapshotWeather();

protected:
    void showEvent(QShowEvent* Event) override;
    bool event(QEvent* Event) override;

private:
    void EnablePolling();
    void CaptureBrowserView(const QString& FileName);
    void ShowSnapshot(const QString& FileName);

    bool FPageLoaded = false;
};
