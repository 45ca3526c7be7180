#pragma once

// A small store for the sync tests: items of a title and a modification time, kept in a file
// of their own (written whole and renamed, as the notes file is) so that a forked sync can be
// killed at any moment. Each item is one all-day event whose SUMMARY is its title.

#include "sync/IcalLines.h"
#include "sync/SyncStore.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

class TFileStore : public notesync::TSyncStore {
public:
    struct TItem {
        std::string Title;
        std::int64_t Modified = 0;
    };

    explicit TFileStore(std::string FileName) : FFileName(std::move(FileName)) {}

    std::map<std::string, TItem> Load() const {
        std::map<std::string, TItem> Items;
        std::ifstream In(FFileName);
        std::string Key;
        std::string Title;
        std::int64_t Modified = 0;
        while (std::getline(In, Key, '\t') && In >> Modified && In.get() == '\t' &&
               std::getline(In, Title)) {
            Items[Key] = {Title, Modified};
        }
        return Items;
    }

    void Save(const std::map<std::string, TItem>& Items) const {
        const std::string Temporary = FFileName + ".tmp";
        {
            std::ofstream Out(Temporary, std::ios::trunc);
            for (const auto& [Key, Item] : Items) {
                Out << Key << '\t' << Item.Modified << '\t' << Item.Title << '\n';
            }
        }
        std::filesystem::rename(Temporary, FFileName);
    }

    void Put(const std::string& Key, const std::string& Title, std::int64_t Modified) {
        auto Items = Load();
        Items[Key] = {Title, Modified};
        Save(Items);
    }

    void Remove(const std::string& Key) {
        auto Items = Load();
        Items.erase(Key);
        Save(Items);
    }

    static std::string EventOf(const std::string& Uid, const std::string& Title,
                               std::int64_t Modified) {
        char Stamp[32];
        const std::time_t Time = static_cast<std::time_t>(Modified);
        std::strftime(Stamp, sizeof Stamp, "%Y%m%dT%H%M%SZ", std::gmtime(&Time));
        return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VEVENT\r\nUID:" +
               Uid + "\r\nDTSTAMP:" + Stamp + "\r\nLAST-MODIFIED:" + Stamp +
               "\r\nDTSTART;VALUE=DATE:20240210\r\nSUMMARY:" + Title +
               "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    }

    static std::string TitleOf(const std::string& Ical) {
        const auto At = Ical.find("SUMMARY:");
        return Ical.substr(At + 8, Ical.find_first_of("\r\n", At) - At - 8);
    }

    bool Items(std::vector<notesync::TLocalItem>& Items, std::string&) override {
        for (const auto& [Key, Item] : Load()) {
            Items.push_back(
                {Key, EventOf(Key, Item.Title, Item.Modified), Item.Title, Item.Modified});
        }
        return true;
    }

    notesync::TAccepted Accept(const std::string& Ical) override {
        return {notesync::UidOf(Ical), TitleOf(Ical)};
    }

    bool Apply(const notesync::TLocalChanges& Changes, std::string&) override {
        auto Items = Load();
        const auto CopyKey = [](const std::string& Key, const std::string& Title) {
            return Key + "-" + std::to_string(std::hash<std::string>{}(Title) % 100000);
        };
        for (const std::string& Key : Changes.CopiedFirst) {
            const TItem Old = Items[Key];
            Items[CopyKey(Key, Old.Title)] = {Old.Title + " (冲突副本)", Old.Modified};
        }
        for (const notesync::TIncoming& In : Changes.Incoming) {
            const std::string Title = TitleOf(In.Ical);
            const std::int64_t Modified = notesync::ModifiedOf(In.Ical);
            if (In.Copy) {
                Items[CopyKey(In.Key, Title)] = {Title + " (冲突副本)", Modified};
            } else {
                Items[In.Key] = {Title, Modified};
            }
        }
        for (const std::string& Key : Changes.Removed) {
            Items.erase(Key);
        }
        Save(Items);
        return true;
    }

    std::size_t NoteCount() override { return Load().size(); }

private:
    std::string FFileName;
};
