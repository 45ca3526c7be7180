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

QString WithoutNonXmlCharacters(const QString& Text) {
    QString Kept;
    Kept.reserve(Text.size());
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const QChar C = Text[I];
        if (C.isHighSurrogate() && I + 1 < Text.size() && Text[I + 1].isLowSurrogate()) {
            Kept += C;
            Kept += Text[++I];
            continue;
        }
        const char16_t Unit = C.unicode();
        const bool Control = Unit < 0x20 && Unit != u'\t' && Unit != u'\n' && Unit != u'\r';
        if (!Control && !C.isSurrogate() && Unit != 0xFFFE && Unit != 0xFFFF) {
            Kept += C;
        }
    }
    return Kept;
}
