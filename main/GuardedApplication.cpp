#include "main/GuardedApplication.h"

#include "common/ErrorReport.h"

#include <exception>
#include <new>

TGuardedApplication::TGuardedApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {}

bool TGuardedApplication::notify(QObject* Receiver, QEvent* Event) {
    try {
        return QApplication::notify(Receiver, Event);
    } catch (const std::bad_alloc&) {
        ReportError(QStringLiteral("内存不足，这一操作已停止。"));
    } catch (const std::exception& Error) {
        ReportError(QStringLiteral("这一操作因错误而停止：") + QString::fromUtf8(Error.what()));
    } catch (...) {
        ReportError(QStringLiteral("这一操作因未知错误而停止。"));
    }
    return false;
}
