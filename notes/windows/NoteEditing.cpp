#include "notes/windows/NoteEditing.h"

#include <QRegularExpression>

namespace {

const QString NoRepeat = QStringLiteral("不重复");

} // namespace

QString EditorCaption(TDateTime Day) {
    const TDateParts Parts = DecodeDateTime(Day);
    return QStringLiteral("便签维护 - %1年%2月%3日")
        .arg(Parts.Year)
        .arg(Parts.Month)
        .arg(Parts.Day);
}

std::optional<QString> StoredTime(TDateTime Day, const QString& Typed) {
    static const QRegularExpression Form(QStringLiteral(
        "^(?:([0-9]{4})-([0-9]{1,2})-([0-9]{1,2}))?\\s*(?:([0-9]{1,2}):([0-9]{1,2}))?$"));
    const QString Text = Typed.trimmed();
    if (Text.isEmpty()) {
        return QString();
    }
    const QRegularExpressionMatch Match = Form.match(Text);
    if (!Match.hasMatch()) {
        return std::nullopt;
    }
    const TDateParts Parts = DecodeDateTime(Day);
    const QString Date = QString::fromStdString(FormatDateTime("yyyy-mm-dd", Day));
    if (Match.hasCaptured(1) &&
        (Match.captured(1).toInt() != Parts.Year || Match.captured(2).toInt() != Parts.Month ||
         Match.captured(3).toInt() != Parts.Day)) {
        return std::nullopt;
    }
    if (!Match.hasCaptured(4)) {
        return Date;
    }
    const int Hour = Match.captured(4).toInt();
    const int Minute = Match.captured(5).toInt();
    if (Hour > 23 || Minute > 59) {
        return std::nullopt;
    }
    return Date + QString::asprintf(" %.2d:%.2d", Hour, Minute);
}

QStringList RepeatChoices() {
    return {NoRepeat,
            QStringLiteral("每天"),
            QStringLiteral("每周"),
            QStringLiteral("每月"),
            QStringLiteral("每年"),
            QStringLiteral("每月农历"),
            QStringLiteral("每年农历")};
}

QString RepeatOfChoice(const QString& Choice) {
    return Choice == NoRepeat ? QString() : Choice;
}

QString ChoiceOfRepeat(const QString& Repeat) {
    return Repeat.isEmpty() ? NoRepeat : Repeat;
}

QList<int> AdvanceChoices() {
    return {0, 5, 10, 15, 30, 60, 120, 180, 1440, 2880, 4320, 10080};
}

QString AdvanceName(int Minutes) {
    constexpr int Hour = 60;
    constexpr int Day = 24 * Hour;
    constexpr int Week = 7 * Day;
    if (Minutes <= 0) {
        return QStringLiteral("不提前");
    }
    if (Minutes % Week == 0) {
        return QStringLiteral("%1周").arg(Minutes / Week);
    }
    if (Minutes % Day == 0) {
        return QStringLiteral("%1天").arg(Minutes / Day);
    }
    if (Minutes % Hour == 0) {
        return QStringLiteral("%1小时").arg(Minutes / Hour);
    }
    return QStringLiteral("%1分钟").arg(Minutes);
}

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
