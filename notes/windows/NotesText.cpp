#include "notes/windows/NotesText.h"

namespace {

const QString Separator =
    QStringLiteral("\r") + QString(71, QLatin1Char('-')) + QStringLiteral("\r");

QString Entry(int Number, const notes::TNote& Note) {
    return QString::number(Number) + QStringLiteral(".") + QString::fromStdString(Note.Title) +
           QStringLiteral(" | ") + QString::fromStdString(Note.When) + QStringLiteral(" | ") +
           QString::fromStdString(Note.Remind.Text()) + QStringLiteral("\r") +
           QString::fromStdString(Note.Content);
}

} // namespace

QString TodayNotesText(const notes::TNotesRead& Reading, const QString& Current) {
    if (!Reading.Notes.empty()) {
        QString Text;
        int Number = 0;
        for (const notes::TNote& Note : Reading.Notes) {
            if (Number > 0) {
                Text += Separator;
            }
            Text += Entry(++Number, Note);
        }
        return Text;
    }
    if (Reading.Ok && !Reading.DayFound) {
        return NoNotesToday;
    }
    return Current;
}
