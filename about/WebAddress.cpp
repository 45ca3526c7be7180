#include "about/WebAddress.h"

#include "about/BuildConstants.h"

#include <QDesktopServices>

#include <utility>

namespace {

TWebOpener& InjectedOpener() {
    static TWebOpener Opener;
    return Opener;
}

} // namespace

QUrl MakerWebAddress() {
    return QUrl(QString::fromUtf8(BuildConstants::WebAddress));
}

void OpenWebAddress(const QUrl& Address) {
    const TWebOpener& Opener = InjectedOpener();
    if (Opener) {
        Opener(Address);
    } else {
        QDesktopServices::openUrl(Address);
    }
}

void SetWebOpener(TWebOpener Opener) {
    InjectedOpener() = std::move(Opener);
}
