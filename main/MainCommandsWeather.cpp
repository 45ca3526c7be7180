#include "main/UMain.h"

#include "common/WindowReferences.h"
#include "weather/UWeather.h"

#include <QAction>
#include <QCoreApplication>

namespace {

const QString ShowWeather = QStringLiteral("显示天气预报");
const QString HideWeather = QStringLiteral("隐藏天气预报");

} // namespace

void TfrmManyYear::N1Click() {
    if (N1->text() == ShowWeather) {
        if (frmWeather == nullptr) {
            // Owned by the application: hidden, never freed, until the program ends.
            frmWeather = new TfrmWeather;
            connect(qApp, &QCoreApplication::aboutToQuit, frmWeather, &QObject::deleteLater);
        }
        // The command can come from the tray menu while the program is minimised.
        if (isMinimized() || !isVisible()) {
            RestoreApplication();
        }
        frmWeather->show();
        N1->setText(HideWeather);
    } else if (N1->text() == HideWeather) {
        if (frmWeather != nullptr) {
            frmWeather->hide();
        }
        N1->setText(ShowWeather);
    }
}

bool TfrmManyYear::WeatherShown() const {
    return frmWeather != nullptr && frmWeather->isVisible();
}
