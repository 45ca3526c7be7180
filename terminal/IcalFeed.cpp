#include "terminal/IcalFeed.h"

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

void AddText(icalcomponent* Event, icalproperty* (*Make)(const char*), const std::string& Text) {
    if (!Text.empty()) {
        icalcomponent_add_property(Event, Make(Text.c_str()));
    }
}

} // namespace

void TIcalFeed::TComponentFree::operator()(icalcomponent* Component) const {
    icalcomponent_free(Component);
}

TIcalFeed::TIcalFeed(const std::string& Name, TDateTime Stamp, const std::string& ZoneName)
    : FCalendar(icalcomponent_new_vcalendar()) {
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

    icalcomponent* Calendar = FCalendar.get();
    icalcomponent_add_property(Calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(Calendar, icalproperty_new_prodid("-//RuxaCalendar//ruxa-cal//ZH"));
    icalcomponent_add_property(Calendar, icalproperty_new_calscale("GREGORIAN"));
    icalproperty* CalendarName = icalproperty_new_x(Name.c_str());
    icalproperty_set_x_name(CalendarName, "X-WR-CALNAME");
    icalcomponent_add_property(Calendar, CalendarName);
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
    icalcomponent_add_property(Component, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    icalcomponent_add_component(FCalendar.get(), Component);
}

void TIcalFeed::Add(const TTimedEvent& Event) {
    if (FZone != nullptr && !FZoneAdded) {
        // The zone goes by its plain database name, which every reader knows, rather than
        // libical's prefixed one.
        icalcomponent* Zone = icalcomponent_new_clone(icaltimezone_get_component(FZone));
        icalproperty_set_tzid(icalcomponent_get_first_property(Zone, ICAL_TZID_PROPERTY),
                              FZoneName.c_str());
        icalcomponent_add_component(FCalendar.get(), Zone);
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
    if (Event.Alarm) {
        icalcomponent* Alarm = icalcomponent_new_valarm();
        icalcomponent_add_property(Alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icaltriggertype Trigger{};
        Trigger.time = icaltime_null_time();
        Trigger.duration = icaldurationtype_null_duration();
        icalcomponent_add_property(Alarm, icalproperty_new_trigger(Trigger));
        icalcomponent_add_property(Alarm, icalproperty_new_description(Event.Summary.c_str()));
        icalcomponent_add_component(Component, Alarm);
    }
    icalcomponent_add_component(FCalendar.get(), Component);
}

void TIcalFeed::AddTime(icalcomponent* Event, icalproperty* Property) const {
    if (FZone != nullptr) {
        icalproperty_add_parameter(Property, icalparameter_new_tzid(FZoneName.c_str()));
    }
    icalcomponent_add_property(Event, Property);
}

std::string TIcalFeed::Text() const {
    char* Text = icalcomponent_as_ical_string_r(FCalendar.get());
    std::string Result = Text != nullptr ? Text : "";
    std::free(Text);
    return Result;
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
