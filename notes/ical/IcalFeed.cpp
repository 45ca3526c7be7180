#include "notes/ical/IcalFeed.h"

#include <libical/ical.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

icaltimetype LocalTime(TDateTime Value, icaltimezone* Zone) {
    const TDateParts Parts = DecodeDateTime(Value);
    icaltimetype Time = icaltime_null_time();
    Time.year = Parts.Year;
    Time.month = Parts.Month;
    Time.day = Parts.Day;
    Time.hour = Parts.Hour;
    Time.minute = Parts.Minute;
    Time.second = Parts.Second;
    return Zone != nullptr ? icaltime_set_timezone(&Time, Zone) : Time;
}

icaltimetype DateOnly(int Year, int Month, int Day) {
    icaltimetype Date = icaltime_null_date();
    Date.year = Year;
    Date.month = Month;
    Date.day = Day;
    return Date;
}

// The text with every carriage return (alone or before a line feed) made a line feed, which
// the feed writes as its line break; libical would drop it.
std::string LineBreaks(const std::string& Text) {
    std::string Result;
    Result.reserve(Text.size());
    for (std::size_t At = 0; At < Text.size(); ++At) {
        if (Text[At] != '\r') {
            Result += Text[At];
        } else if (At + 1 >= Text.size() || Text[At + 1] != '\n') {
            Result += '\n';
        }
    }
    return Result;
}

void AddText(icalcomponent* Event, icalproperty* (*Make)(const char*), const std::string& Text) {
    if (!Text.empty()) {
        icalcomponent_add_property(Event, Make(LineBreaks(Text).c_str()));
    }
}

void AddRule(icalcomponent* Event, const std::string& Rule) {
    if (!Rule.empty()) {
        icalcomponent_add_property(
            Event, icalproperty_new_rrule(icalrecurrencetype_from_string(Rule.c_str())));
    }
}

void AddExtra(icalcomponent* Event, const TExtraProperties& Extra) {
    for (const auto& [Name, Text] : Extra) {
        icalproperty* Property = icalproperty_new_x(LineBreaks(Text).c_str());
        icalproperty_set_x_name(Property, Name.c_str());
        icalcomponent_add_property(Event, Property);
    }
}

// The text of a component, lines ended by CR LF.
std::string TextOf(icalcomponent* Component) {
    char* Text = icalcomponent_as_ical_string_r(Component);
    std::string Result = Text != nullptr ? Text : "";
    std::free(Text);
    return Result;
}

constexpr std::string_view CalendarEnd = "END:VCALENDAR\r\n";

} // namespace

void TIcalFeed::TComponentFree::operator()(icalcomponent* Component) const {
    icalcomponent_free(Component);
}

TIcalFeed::TIcalFeed(const std::string& Name, TDateTime Stamp, const std::string& ZoneName,
                     TSink Sink)
    : FSink(std::move(Sink)) {
    if (!ZoneName.empty()) {
        FZone = icaltimezone_get_builtin_timezone(ZoneName.c_str());
        FZoneName = ZoneName;
    }
    icaltimetype StampTime = LocalTime(Stamp, FZone);
    if (FZone != nullptr) {
        StampTime = icaltime_convert_to_zone(StampTime, icaltimezone_get_utc_timezone());
    }
    StampTime.zone = icaltimezone_get_utc_timezone();
    FStamp = icaltime_as_ical_string(StampTime);

    const std::unique_ptr<icalcomponent, TComponentFree> Calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(Calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(Calendar.get(),
                               icalproperty_new_prodid("-//RuxaCalendar//ruxa-cal//ZH"));
    icalcomponent_add_property(Calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalproperty* CalendarName = icalproperty_new_x(Name.c_str());
    icalproperty_set_x_name(CalendarName, "X-WR-CALNAME");
    icalcomponent_add_property(Calendar.get(), CalendarName);
    // The calendar's text without its end line is the head of the feed.
    FHead = TextOf(Calendar.get());
    FHead.resize(FHead.size() - CalendarEnd.size());
    if (FSink) {
        FSink(FHead);
    }
}

TIcalFeed::~TIcalFeed() = default;

void TIcalFeed::Add(const TAllDayEvent& Event) {
    icalcomponent* Component = icalcomponent_new_vevent();
    icalcomponent_add_property(Component, icalproperty_new_uid(Event.Uid.c_str()));
    icalcomponent_add_property(Component,
                               icalproperty_new_dtstamp(icaltime_from_string(FStamp.c_str())));
    const icaltimetype Start = DateOnly(Event.Year, Event.Month, Event.Day);
    icaltimetype End = Start;
    icaltime_adjust(&End, 1, 0, 0, 0);
    icalcomponent_add_property(Component, icalproperty_new_dtstart(Start));
    icalcomponent_add_property(Component, icalproperty_new_dtend(End));
    AddText(Component, icalproperty_new_summary, Event.Summary);
    AddText(Component, icalproperty_new_categories, Event.Category);
    AddText(Component, icalproperty_new_description, Event.Description);
    AddRule(Component, Event.RepeatRule);
    AddExtra(Component, Event.Extra);
    icalcomponent_add_property(Component, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    Put(Component);
}

void TIcalFeed::Add(const TTimedEvent& Event) {
    if (FZone != nullptr && !FZoneAdded) {
        // The zone goes by its plain database name, which every reader knows, rather than
        // libical's prefixed one.
        icalcomponent* Zone = icalcomponent_new_clone(icaltimezone_get_component(FZone));
        icalproperty_set_tzid(icalcomponent_get_first_property(Zone, ICAL_TZID_PROPERTY),
                              FZoneName.c_str());
        Put(Zone);
        FZoneAdded = true;
    }
    icalcomponent* Component = icalcomponent_new_vevent();
    icalcomponent_add_property(Component, icalproperty_new_uid(Event.Uid.c_str()));
    icalcomponent_add_property(Component,
                               icalproperty_new_dtstamp(icaltime_from_string(FStamp.c_str())));
    const icaltimetype Start = LocalTime(Event.Start, FZone);
    icaltimetype End = Start;
    icaltime_adjust(&End, 0, 0, Event.Minutes, 0);
    AddTime(Component, icalproperty_new_dtstart(Start));
    AddTime(Component, icalproperty_new_dtend(End));
    AddText(Component, icalproperty_new_summary, Event.Summary);
    AddText(Component, icalproperty_new_description, Event.Description);
    AddRule(Component, Event.RepeatRule);
    AddExtra(Component, Event.Extra);
    if (Event.Alarm) {
        icalcomponent* Alarm = icalcomponent_new_valarm();
        icalcomponent_add_property(Alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icaltriggertype Trigger{};
        Trigger.time = icaltime_null_time();
        Trigger.duration = icaldurationtype_from_int(-60 * Event.AlarmBefore);
        icalcomponent_add_property(Alarm, icalproperty_new_trigger(Trigger));
        icalcomponent_add_property(Alarm,
                                   icalproperty_new_description(LineBreaks(Event.Summary).c_str()));
        icalcomponent_add_component(Component, Alarm);
    }
    Put(Component);
}

void TIcalFeed::Put(icalcomponent* Event) {
    const std::unique_ptr<icalcomponent, TComponentFree> Owned(Event);
    std::string Text = TextOf(Event);
    if (FSink) {
        FSink(Text);
    } else {
        FBody += Text;
    }
}

void TIcalFeed::Finish() {
    if (FSink) {
        FSink(CalendarEnd);
    }
}

void TIcalFeed::AddTime(icalcomponent* Event, icalproperty* Property) const {
    if (FZone != nullptr) {
        icalproperty_add_parameter(Property, icalparameter_new_tzid(FZoneName.c_str()));
    }
    icalcomponent_add_property(Event, Property);
}

std::string TIcalFeed::Text() const {
    return FHead + FBody + std::string(CalendarEnd);
}

std::string HexOf(const std::string& Text) {
    std::string Hex;
    for (const char C : Text) {
        char Pair[3];
        std::snprintf(Pair, sizeof Pair, "%02x", static_cast<unsigned char>(C));
        Hex += Pair;
    }
    return Hex;
}
