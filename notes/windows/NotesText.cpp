#include "notes/windows/NotesText.h"

#include "calendar/CappedLine.h"

namespace {

// The popup is narrow: a title, or a line of content, longer than a few lines of it is cut.
constexpr std::size_t MaxTitleCharacters = 60;
constexpr std::size_t MaxContentLineCharacters = 200;

// Content with each of its lines cut.
QString CappedContent(const std::string& Content) {
    std::string Capped;
    std::size_t Start = 0;
    for (;;) {
        const std::size_t End = Content.find_first_of("\r\n", Start);
        Capped += CappedLine(std::string_view(Content).substr(Start, End - Start),
                             MaxContentLineCharacters);
        if (End == std::string::npos)
            return QString::fromStdString(Capped);
        Capped += Content[End];
        Start = End + 1;
    }
}

const QString Separator =
    QStringLiteral("\r") + QString(71, QLatin1Char('-')) + QStringLiteral("\r");

QString Entry(int Number, const notes::TNote& Note) {
    return QString::number(Number) + QStringLiteral(".") +
           QString::fromStdString(CappedLine(Note.Title, MaxTitleCharacters)) +
           QStringLiteral(" | ") + QString::fromStdString(Note.When) + QStringLiteral(" | ") +
           QString::fromStdString(Note.Remind.Text()) + QStringLiteral("\r") +
           CappedContent(Note.Content);
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
