#include "notes/windows/NoteEditing.h"

#include <QRegularExpression>

QStringList HourEntries(TDateTime Day) {
    const QString Date = QString::fromStdString(FormatDateTime("yyyy-mm-dd", Day));
    QStringList Entries;
    for (int Hour = 0; Hour < 24; ++Hour) {
        Entries << Date + QString::asprintf(" %.2d:00", Hour);
    }
    return Entries;
}

QString JoinLines(const QString& Text) {
    static const QRegularExpression LineBreaks(QStringLiteral("[\\r\\n\\x{2028}\\x{2029}]"));
    QString Joined = Text;
    Joined.remove(LineBreaks);
    return Joined;
}

bool SameTitle(const QString& Left, const QString& Right) {
    return Left.compare(Right, Qt::CaseInsensitive) == 0;
}
