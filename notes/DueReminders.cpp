#include "notes/DueReminders.h"

#include "notes/MinuteText.h"

#include <map>

namespace notes {
namespace {

// "yyyy-mm-dd " of a minute text.
constexpr std::size_t DateLength = 11;

} // namespace

bool TDueReminders::Skipped(const std::string& Due, const std::string& Minute) const {
    return !FLastMinute.empty() && FLastMinute.compare(0, DateLength, Minute, 0, DateLength) == 0 &&
           IsMinuteText(Due) && Due.compare(0, DateLength, Minute, 0, DateLength) == 0 &&
           Due > FLastMinute && Due < Minute;
}

std::vector<TDueReminder> TDueReminders::Tick(const std::string& Minute,
                                              std::span<const TNoteAlarm> Alarms) {
    if (Minute != FLastMinute) {
        FCameThisMinute.clear();
    }
    std::vector<TDueReminder> Due;
    std::map<TKey, int> Alike;
    for (std::size_t Index = 0; Index < Alarms.size(); ++Index) {
        const TNoteAlarm& Alarm = Alarms[Index];
        if (Alarm.Minute != Minute && !Skipped(Alarm.Minute, Minute)) {
            continue;
        }
        TKey Key{Alarm.Note.Id.empty() ? "标题:" + Alarm.Note.Title : Alarm.Note.Id, Alarm.When,
                 Alarm.Minute, 0};
        std::get<3>(Key) = Alike[Key]++;
        if (FCameThisMinute.contains(Key)) {
            Due.push_back({static_cast<int>(Index), false});
        } else if (FCame.insert(Key).second) {
            Due.push_back({static_cast<int>(Index), true});
            if (Alarm.Minute == Minute) {
                FCameThisMinute.insert(std::move(Key));
            }
        }
    }
    FLastMinute = Minute;
    return Due;
}

} // namespace notes
