#include "notes/DueReminders.h"

#include "notes/MinuteText.h"

namespace notes {
namespace {

// "yyyy-mm-dd " of a minute text.
constexpr std::size_t DateLength = 11;

} // namespace

bool TDueReminders::Skipped(const std::string& When, const std::string& Minute) const {
    return !FLastMinute.empty() && FLastMinute.compare(0, DateLength, Minute, 0, DateLength) == 0 &&
           IsMinuteText(When) && When.compare(0, DateLength, Minute, 0, DateLength) == 0 &&
           When > FLastMinute && When < Minute;
}

std::vector<TDueReminder> TDueReminders::Tick(const std::string& Minute,
                                              std::span<const TNoteAlarm> Slots) {
    if (Minute != FLastMinute) {
        FCameThisMinute.clear();
    }
    std::vector<TDueReminder> Due;
    for (std::size_t Slot = 0; Slot < Slots.size(); ++Slot) {
        const TNoteAlarm& Alarm = Slots[Slot];
        if (Alarm.Title.empty() || (Alarm.When != Minute && !Skipped(Alarm.When, Minute))) {
            continue;
        }
        TKey Key{Alarm.Title, Alarm.When};
        if (FCameThisMinute.contains(Key)) {
            Due.push_back({static_cast<int>(Slot), false});
        } else if (FCame.insert(Key).second) {
            Due.push_back({static_cast<int>(Slot), true});
            if (Alarm.When == Minute) {
                FCameThisMinute.insert(std::move(Key));
            }
        }
    }
    FLastMinute = Minute;
    return Due;
}

} // namespace notes
