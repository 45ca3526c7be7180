#pragma once

// The capture helper's off-screen browser: a web view that is never seen, the handling of
// a completed top-level page, and the capture of the view into the weather snapshot.

#include <QObject>
#include <QString>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWidget>

class QWebEnginePage;
class QWebEngineView;

class TCapturePage : public QObject {
    Q_OBJECT

public:
    // The size of the captured picture and of the view.
    static constexpr int PictureWidth = 222;
    static constexpr int PictureHeight = 352;

    TCapturePage();
    ~TCapturePage() override;

    // Starts loading Address; a load still running is abandoned.
    void Navigate(const QUrl& Address);
    // Draws the view into a 222 x 352 picture whose top row and left column are the
    // view's second ones, and saves it with its light background keyed out.
    void Capture(const QString& FileName);

signals:
    // The top-level page has completed, is scrolled into place and has been drawn.
    void Completed();
    void LoadFailed();
    void Captured(const QString& FileName);
    void CaptureFailed(const QString& Reason);

private:
    void PageLoadFinished(bool Ok);
    void PageScrolled(int Navigation);

    // Declared first so that it outlives the page that uses it. It is off the record:
    // no cookies, cache or storage on disk.
    QWebEngineProfile FProfile;
    // Shown with WA_DontShowOnScreen: it is visible to Qt, so the view inside renders,
    // but it never appears on a screen.
    QWidget FHost;
    QWebEngineView* FView = nullptr;
    QWebEnginePage* FPage = nullptr;
    // Counts navigations, so that the late steps of an abandoned load do nothing.
    int FNavigation = 0;
};
