#include "notes/windows/NotesText.h"

#include "calendar/CappedLine.h"
#include "notes/NoteOccurrences.h"

#include <QStringList>

#include <algorithm>

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

notes::TNotesRead TodaysNotesWithRepeats(const std::string& FileName) {
    notes::TNotesRead Reading = notes::ReadTodayNotes(FileName);
    if (!Reading.Ok) {
        return Reading;
    }
    const notes::TNoteDay Today = notes::Today();
    for (notes::TOccurrence& Occurrence : notes::NotesOnDay(FileName, Today)) {
        if (Occurrence.Anchor != Today) {
            Occurrence.Note.When = std::move(Occurrence.When);
            Reading.Notes.push_back(std::move(Occurrence.Note));
        }
    }
    return Reading;
}

namespace {

const std::string& KeyOf(const notes::TNote& Note) {
    return Note.Id.empty() ? Note.Title : Note.Id;
}

} // namespace

int PutDueFirst(notes::TNotes& Notes, const std::vector<std::string>& DueKeys) {
    const auto Moved =
        std::stable_partition(Notes.begin(), Notes.end(), [&](const notes::TNote& Note) {
            return std::find(DueKeys.begin(), DueKeys.end(), KeyOf(Note)) != DueKeys.end();
        });
    return static_cast<int>(Moved - Notes.begin());
}

QString NotesTextMarkup(const QString& Text, int DueEntries) {
    const QStringList Entries = Text.split(Separator);
    QString Markup = QStringLiteral("<div style=\"white-space: pre-wrap;\">");
    for (int Index = 0; Index < Entries.size(); ++Index) {
        QString Entry = Entries[Index].toHtmlEscaped();
        Entry.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
        if (Index > 0) {
            Markup += QString(71, QLatin1Char('-'));
        }
        if (Index < DueEntries) {
            Markup += QStringLiteral("<p style=\"background-color: #FFE08A; font-weight: bold;"
                                     " margin: 0;\">") +
                      Entry + QStringLiteral("</p>");
        } else {
            Markup += QStringLiteral("<p style=\"margin: 0;\">") + Entry + QStringLiteral("</p>");
        }
    }
    return Markup + QStringLiteral("</div>");
}
