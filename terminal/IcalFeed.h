#pragma once

// An iCalendar (RFC 5545) feed built with libical: a calendar of all-day events and of
// timed events in the local time zone, each with a stable UID so that a second import
// updates the events instead of doubling them.

#include "calendar/UDateTime.h"

#include <memory>
#include <string>

struct icalcomponent_impl;
struct icalproperty_impl;
struct _icaltimezone;

struct TAllDayEvent {
    std::string Uid;
    int Year = 0, Month = 0, Day = 0;
    std::string Summary;
    std::string Category;
    std::string Description;
};

struct TTimedEvent {
    std::string Uid;
    TDateTime Start;
    int Minutes = 60;
    std::string Summary;
    std::string Description;
    bool Alarm = false; // a display alarm at the start
};

class TIcalFeed {
public:
    // Stamp: the local time the feed is made. ZoneName: the local time zone; when libical
    // does not know it, times are written as local ("floating") times.
    TIcalFeed(const std::string& Name, TDateTime Stamp, const std::string& ZoneName);
    ~TIcalFeed();
    TIcalFeed(const TIcalFeed&) = delete;
    TIcalFeed& operator=(const TIcalFeed&) = delete;

    void Add(const TAllDayEvent& Event);
    void Add(const TTimedEvent& Event);

    // The feed as text, lines ended by CR LF.
    std::string Text() const;

private:
    struct TComponentFree {
        void operator()(icalcomponent_impl* Component) const;
    };
    // A date-time property of Event, with the zone named when there is one.
    void AddTime(icalcomponent_impl* Event, icalproperty_impl* Property) const;

    std::unique_ptr<icalcomponent_impl, TComponentFree> FCalendar;
    _icaltimezone* FZone = nullptr;
    std::string FZoneName;
    std::string FStamp; // DTSTAMP in UTC, as text
    bool FZoneAdded = false;
};

// The UTF-8 bytes of a text in hexadecimal, for UIDs that stay ASCII.
std::string HexOf(const std::string& Text);
