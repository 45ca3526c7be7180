#include "weather/capture/CapturePage.h"

#include "common/ColorKeyedBitmap.h"
#include "weather/capture/CaptureRules.h"

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <exception>

namespace {

// Scrolls the page 23 pixels down and hides its scroll bars.
const QString ScrollScript =
    QStringLiteral("window.scrollTo(0, 23);"
                   "document.documentElement.style.overflow = 'hidden';"
                   "if (document.body) { document.body.style.overflow = 'hidden'; }");

// A frame drawn after the script's changes is ready this long after its callback;
// earlier captures show the frame before them.
constexpr int FrameSettleMs = 50;

// A point far outside the page: moving the mouse there ends any hover highlight.
const QPointF OutsideThePage(-12206, 360);

constexpr std::int32_t LightBackground = 0xF4F0F0;

// A page that follows links, redirects, frames and scripts only to web addresses; inner
// frames may also start empty ("about:blank"), as widget pages often make them.
class TWebOnlyPage : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& Address, NavigationType, bool MainFrame) override {
        return LoadablePage(Address) || (!MainFrame && Address.scheme() == QLatin1String("about"));
    }
};

} // namespace

TCapturePage::TCapturePage() {
    FHost.setAttribute(Qt::WA_DontShowOnScreen);
    FHost.resize(PictureWidth, PictureHeight);
    FView = new QWebEngineView(&FHost);
    FPage = new TWebOnlyPage(&FProfile, FView);
    FView->setPage(FPage);
    // Wholly outside the host's client area.
    FView->setGeometry(-PictureWidth, -PictureHeight, PictureWidth, PictureHeight);
    connect(FPage, &QWebEnginePage::loadFinished, this, &TCapturePage::PageLoadFinished);
    FHost.show();
}

TCapturePage::~TCapturePage() {
    // The page goes before the profile it uses.
    delete FView;
}

void TCapturePage::Navigate(const QUrl& Address) {
    ++FNavigation;
    FPage->load(Address);
}

void TCapturePage::PageLoadFinished(bool Ok) {
    if (!Ok) {
        emit LoadFailed();
        return;
    }
    const int Navigation = FNavigation;
    FPage->runJavaScript(ScrollScript,
                         [this, Navigation](const QVariant&) { PageScrolled(Navigation); });
}

void TCapturePage::PageScrolled(int Navigation) {
    if (Navigation != FNavigation) {
        return;
    }
    if (QWidget* Content = FView->focusProxy()) {
        QMouseEvent Move(QEvent::MouseMove, OutsideThePage, Content->mapToGlobal(OutsideThePage),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Content, &Move);
    }
    QTimer::singleShot(FrameSettleMs, this, [this, Navigation] {
        if (Navigation == FNavigation) {
            emit Completed();
        }
    });
}

void TCapturePage::Capture(const QString& FileName) {
    QImage Picture(PictureWidth, PictureHeight, QImage::Format_RGB32);
    Picture.fill(Qt::white);
    // The view's outermost top row and left column fall outside the picture.
    FView->render(&Picture, QPoint(-1, -1));
    try {
        SaveColorKeyedBitmap(Picture, LightBackground, FileName);
    } catch (const std::exception& Error) {
        emit CaptureFailed(QString::fromUtf8(Error.what()));
        return;
    }
    emit Captured(FileName);
}
