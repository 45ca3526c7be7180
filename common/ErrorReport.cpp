#include "common/ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace {

TErrorReporter& ReplacedReporter() {
    static TErrorReporter Reporter;
    return Reporter;
}

} // namespace

void ReportError(const QString& Text) {
    if (const TErrorReporter& Reporter = ReplacedReporter()) {
        Reporter(Text);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                          Text);
}

void ReportError(const std::exception& Error) {
    ReportError(QString::fromUtf8(Error.what()));
}

void SetErrorReporter(TErrorReporter Reporter) {
    ReplacedReporter() = std::move(Reporter);
}
