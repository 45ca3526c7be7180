#pragma once

// The local side of a sync, as the sync run sees it: events, each under a local key, with a
// fingerprint of its content. The notes file is one such store (each note one event, or one
// event per occurrence for the lunar repeats); the tests have small ones of their own.

#include <cstdint>
#include <string>
#include <vector>

namespace notesync {

struct TLocalItem {
    std::string Key; // the event's UID as this side makes it
    std::string Ical;
    std::string Fingerprint;
    // When the item was last changed on this side, seconds since 1970.
    std::int64_t Modified = 0;
};

// What a server's event becomes once taken in, without taking it in yet.
struct TAccepted {
    std::string Key;
    std::string Fingerprint;
};

// One remote event to take in: under Key (replacing what is there), or, when Copy is true, as
// a new item made from it with a title marking it as a conflict copy.
struct TIncoming {
    std::string Key;
    std::string Ical;
    bool Copy = false;
};

struct TLocalChanges {
    std::vector<TIncoming> Incoming;
    // Keys whose items are removed.
    std::vector<std::string> Removed;
    // Keys whose present items are also kept as conflict copies (new items, new keys) before
    // Incoming replaces them.
    std::vector<std::string> CopiedFirst;

    bool Empty() const { return Incoming.empty() && Removed.empty() && CopiedFirst.empty(); }
};

class TSyncStore {
public:
    virtual ~TSyncStore() = default;

    // The items as they are now; false with the reason in Error when they cannot be read.
    virtual bool Items(std::vector<TLocalItem>& Items, std::string& Error) = 0;
    // The same key for the same event every time, so that an event taken in by a sync that was
    // killed before it finished is recognised, not doubled, at the next one.
    virtual TAccepted Accept(const std::string& Ical) = 0;
    // Makes all the changes in one save; false with the reason in Error, nothing changed.
    virtual bool Apply(const TLocalChanges& Changes, std::string& Error) = 0;
    // The number of notes, for the share a sync may delete without asking.
    virtual std::size_t NoteCount() = 0;
};

} // namespace notesync
