#include "notes/windows/MissedToday.h"

namespace {

struct TMissedToday {
    std::string Day;
    std::vector<notes::TReminderMoment> Reminders;
};

TMissedToday& Missed() {
    static TMissedToday List;
    return List;
}

void KeepDay(const std::string& Today) {
    if (Missed().Day != Today) {
        Missed() = {Today, {}};
    }
}

} // namespace

void AddMissedToday(const std::string& Today, const std::vector<notes::TReminderMoment>& Found) {
    KeepDay(Today);
    Missed().Reminders.insert(Missed().Reminders.end(), Found.begin(), Found.end());
}

QString MissedTodayText(const std::string& Today) {
    KeepDay(Today);
    if (Missed().Reminders.empty()) {
        return {};
    }
    QString Text =
        QStringLiteral("\r") + QString(71, QLatin1Char('-')) + QStringLiteral("\r错过的提醒");
    for (const notes::TReminderMoment& Reminder : Missed().Reminders) {
        Text += QStringLiteral("\r") + QString::fromStdString(Reminder.Occurrence) +
                QStringLiteral(" ") + QString::fromStdString(Reminder.Title);
    }
    return Text;
}
