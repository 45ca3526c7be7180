#include "notes/UNotesFile.h"

namespace notes {
namespace {

constexpr const char* OnText = "是";
constexpr const char* OffText = "否";

} // namespace

TReminder TReminder::FromText(std::string Text) {
    if (Text == OnText) {
        return TReminder(true);
    }
    TReminder Reminder(false);
    if (Text != OffText) {
        Reminder.FOther = std::move(Text);
    }
    return Reminder;
}

std::string TReminder::Text() const {
    if (FOther) {
        return *FOther;
    }
    return FOn ? OnText : OffText;
}

} // namespace notes
