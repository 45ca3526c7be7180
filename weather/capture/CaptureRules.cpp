#include "weather/capture/CaptureRules.h"

#include <QDir>
#include <QFileInfo>

bool LoadablePage(const QUrl& Address) {
    const QString Scheme = Address.scheme();
    return Address.isValid() && !Address.host().isEmpty() &&
           (Scheme == QLatin1String("http") || Scheme == QLatin1String("https"));
}

bool WritableCapture(const QString& FileName, const QString& Folder) {
    const QFileInfo Target(FileName);
    if (Folder.isEmpty() || !Target.isAbsolute() ||
        !Target.fileName().endsWith(QLatin1String(".bmp")) ||
        Target.fileName().startsWith(QLatin1Char('.'))) {
        return false;
    }
    if (Target.isSymLink() || (Target.exists() && !Target.isFile())) {
        return false;
    }
    const QString Allowed = QDir(Folder).canonicalPath();
    return !Allowed.isEmpty() && QDir(Target.absolutePath()).canonicalPath() == Allowed;
}
