#pragma once

// An iCalendar (RFC 5545) feed built with libical: a calendar of all-day events and of
// timed events in the local time zone, each with a stable UID so that a second import
// updates the events instead of doubling them. A carriage return in a text is a line break.

#include "calendar/UDateTime.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct icalcomponent_impl;
struct icalproperty_impl;
struct _icaltimezone;

// Properties of an event's own ("X-..." name and text).
using TExtraProperties = std::vector<std::pair<std::string, std::string>>;

struct TAllDayEvent {
    std::string Uid;
    int Year = 0, Month = 0, Day = 0;
    std::string Summary;
    std::string Category;
    std::string Description;
    std::string RepeatRule; // an RRULE value; empty for a single event
    TExtraProperties Extra;
};

struct TTimedEvent {
    std::string Uid;
    TDateTime Start;
    int Minutes = 60;
    std::string Summary;
    std::string Description;
    bool Alarm = false;  // a display alarm
    int AlarmBefore = 0; // minutes before the start
    std::string RepeatRule;
    TExtraProperties Extra;
};

class TIcalFeed {
public:
    // Receives the feed's text piece by piece, in order.
    using TSink = std::function<void(std::string_view)>;

    // Stamp: the local time the feed is made. ZoneName: the local time zone; when libical
    // does not know it, times are written as local ("floating") times. With a Sink the text
    // goes to it as it is made (the calendar's head now, each event as it is added, the end
    // at Finish) and no more of it is kept than one event; without, Text gives it whole.
    TIcalFeed(const std::string& Name, TDateTime Stamp, const std::string& ZoneName,
              TSink Sink = {});
    ~TIcalFeed();
    TIcalFeed(const TIcalFeed&) = delete;
    TIcalFeed& operator=(const TIcalFeed&) = delete;

    void Add(const TAllDayEvent& Event);
    void Add(const TTimedEvent& Event);

    // The end of the calendar, to the sink.
    void Finish();

    // The feed as text, lines ended by CR LF (without a sink).
    std::string Text() const;

private:
    struct TComponentFree {
        void operator()(icalcomponent_impl* Component) const;
    };
    // A date-time property of Event, with the zone named when there is one.
    void AddTime(icalcomponent_impl* Event, icalproperty_impl* Property) const;
    // The event's text to the sink, or kept; the component is freed.
    void Put(icalcomponent_impl* Event);

    TSink FSink;
    std::string FHead; // the calendar up to its first component
    std::string FBody; // the components, without a sink
    _icaltimezone* FZone = nullptr;
    std::string FZoneName;
    std::string FStamp; // DTSTAMP in UTC, as text
    bool FZoneAdded = false;
};

// The UTF-8 bytes of a text in hexadecimal, for UIDs that stay ASCII.
std::string HexOf(const std::string& Text);
