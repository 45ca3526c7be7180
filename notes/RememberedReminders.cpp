#include "notes/RememberedReminders.h"

#include "notes/MinuteText.h"
#include "platform/DataFolder.h"
#include "platform/Files.h"
#include "platform/SaveLock.h"

#include <algorithm>
#include <sstream>

namespace notes {
namespace {

constexpr const char* FileTitle = "Reminders.txt";
constexpr char Separator = '\t';

// Texts of a line are kept apart by tabs: a backslash, tab, line feed or carriage return
// inside one is written as a backslash and a letter.
std::string Escaped(const std::string& Text) {
    std::string Out;
    for (const char Character : Text) {
        switch (Character) {
        case '\\':
            Out += "\\\\";
            break;
        case '\t':
            Out += "\\t";
            break;
        case '\n':
            Out += "\\n";
            break;
        case '\r':
            Out += "\\r";
            break;
        default:
            Out += Character;
        }
    }
    return Out;
}

std::optional<std::string> Unescaped(const std::string& Text) {
    std::string Out;
    for (std::size_t Index = 0; Index < Text.size(); ++Index) {
        if (Text[Index] != '\\') {
            Out += Text[Index];
            continue;
        }
        if (++Index == Text.size()) {
            return std::nullopt;
        }
        switch (Text[Index]) {
        case '\\':
            Out += '\\';
            break;
        case 't':
            Out += '\t';
            break;
        case 'n':
            Out += '\n';
            break;
        case 'r':
            Out += '\r';
            break;
        default:
            return std::nullopt;
        }
    }
    return Out;
}

// The fields of a line, unescaped; none when one does not read.
std::optional<std::vector<std::string>> Fields(const std::string& Line) {
    std::vector<std::string> Out;
    std::size_t Start = 0;
    while (true) {
        const std::size_t End = Line.find(Separator, Start);
        std::optional<std::string> Field = Unescaped(Line.substr(Start, End - Start));
        if (!Field) {
            return std::nullopt;
        }
        Out.push_back(std::move(*Field));
        if (End == std::string::npos) {
            return Out;
        }
        Start = End + 1;
    }
}

std::string Line(std::initializer_list<std::string> Texts) {
    std::string Out;
    for (const std::string& Text : Texts) {
        if (!Out.empty()) {
            Out += Separator;
        }
        Out += Escaped(Text);
    }
    return Out + '\n';
}

bool AllMinutes(std::initializer_list<const std::string*> Texts) {
    return std::ranges::all_of(Texts, [](const std::string* Text) { return IsMinuteText(*Text); });
}

} // namespace

std::string TRememberedReminders::DefaultFileName() {
    return platform::DataFolder() + FileTitle;
}

TRememberedReminders TRememberedReminders::Load(const std::string& FileName) {
    std::string Bytes;
    std::string Error;
    if (!platform::ReadWholeFile(FileName, Bytes, Error)) {
        return {};
    }
    return FromText(Bytes);
}

TRememberedReminders TRememberedReminders::FromText(const std::string& Text) {
    TRememberedReminders Memory;
    std::istringstream Lines(Text);
    std::string Read;
    while (std::getline(Lines, Read)) {
        const std::optional<std::vector<std::string>> Parts = Fields(Read);
        if (!Parts || Parts->empty()) {
            continue;
        }
        const std::vector<std::string>& Field = *Parts;
        if (Field[0] == "last" && Field.size() == 2 && IsMinuteText(Field[1])) {
            Memory.FLastSeen = Field[1];
        } else if (Field[0] == "came" && Field.size() == 4 && !Field[1].empty() &&
                   AllMinutes({&Field[2], &Field[3]})) {
            Memory.FCame.push_back({Field[1], Field[2], Field[3]});
        } else if (Field[0] == "snoozed" && Field.size() == 6 && !Field[1].empty() &&
                   AllMinutes({&Field[3], &Field[4], &Field[5]})) {
            Memory.Snooze({Field[1], Field[2], Field[3], Field[4], {}}, Field[5]);
        }
    }
    return Memory;
}

std::string TRememberedReminders::ToText() const {
    std::string Out;
    if (!FLastSeen.empty()) {
        Out += Line({"last", FLastSeen});
    }
    for (const TCame& Came : FCame) {
        Out += Line({"came", Came.Key, Came.Occurrence, Came.Minute});
    }
    for (const TSnoozedReminder& Snoozed : FSnoozed) {
        const TReminderMoment& Reminder = Snoozed.Reminder;
        Out += Line({"snoozed", Reminder.Key, Reminder.Title, Reminder.Occurrence, Reminder.Minute,
                     Snoozed.Again});
    }
    return Out;
}

bool TRememberedReminders::Save(const std::string& FileName, std::string& Error) const {
    if (!platform::EnsureDataFolder()) {
        Error = "无法建立数据文件夹：" + platform::DataFolder();
        return false;
    }
    const std::optional<platform::TFileLock> Lock = platform::LockForSaving(FileName, Error);
    return Lock && platform::WriteFileAtomically(FileName, ToText(), Error);
}

bool TRememberedReminders::HasCome(const TReminderMoment& Reminder) const {
    return std::ranges::any_of(FCame, [&Reminder](const TCame& Came) {
        return Came.Key == Reminder.Key && Came.Occurrence == Reminder.Occurrence;
    });
}

void TRememberedReminders::Came(const TReminderMoment& Reminder, const std::string& Minute) {
    if (!HasCome(Reminder)) {
        FCame.push_back({Reminder.Key, Reminder.Occurrence, Minute});
    }
}

void TRememberedReminders::Snooze(const TReminderMoment& Reminder, const std::string& Again) {
    Unsnooze(Reminder);
    FSnoozed.push_back({Reminder, Again});
}

std::vector<TReminderMoment> TRememberedReminders::TakeSnoozesDue(const std::string& Minute) {
    std::vector<TReminderMoment> Due;
    std::erase_if(FSnoozed, [&](const TSnoozedReminder& Snoozed) {
        if (Snoozed.Again > Minute) {
            return false;
        }
        Due.push_back(Snoozed.Reminder);
        return true;
    });
    return Due;
}

void TRememberedReminders::Unsnooze(const TReminderMoment& Reminder) {
    std::erase_if(FSnoozed, [&Reminder](const TSnoozedReminder& Snoozed) {
        return Snoozed.Reminder.Key == Reminder.Key &&
               Snoozed.Reminder.Occurrence == Reminder.Occurrence;
    });
}

void TRememberedReminders::ForgetBefore(const std::string& Minute) {
    std::erase_if(FCame, [&Minute](const TCame& Came) { return Came.Minute < Minute; });
}

} // namespace notes
