#include "sync/SyncState.h"

#include "platform/DataFolder.h"
#include "platform/Files.h"

#include <sstream>
#include <vector>

namespace notesync {

namespace {

constexpr const char* Header = "RuxaCalendar sync state 1";

std::vector<std::string> Fields(const std::string& Line) {
    std::vector<std::string> Parts;
    std::size_t Start = 0;
    for (;;) {
        const auto Tab = Line.find('\t', Start);
        Parts.push_back(Line.substr(Start, Tab - Start));
        if (Tab == std::string::npos) {
            return Parts;
        }
        Start = Tab + 1;
    }
}

// Tabs and line breaks cannot stand in a field; the servers' addresses and ETags never hold
// them, and a field that would is written empty, which only costs a fetch at the next sync.
std::string Clean(const std::string& Text) {
    return Text.find_first_of("\t\r\n") == std::string::npos ? Text : std::string();
}

} // namespace

std::string SyncStateFileName() {
    return platform::DataFolder() + "Sync.state";
}

std::optional<TSyncState> ReadSyncState(const std::string& FileName, std::string& Error) {
    TSyncState State;
    if (!platform::PathExists(FileName)) {
        return State;
    }
    std::string Bytes;
    if (!platform::ReadWholeFile(FileName, Bytes, Error)) {
        return std::nullopt;
    }
    std::istringstream Lines(Bytes);
    std::string Line;
    if (!std::getline(Lines, Line) || Line != Header) {
        Error = "同步状态文件无法读懂：" + FileName;
        return std::nullopt;
    }
    while (std::getline(Lines, Line)) {
        const std::vector<std::string> Part = Fields(Line);
        if (Part[0] == "server" && Part.size() == 2) {
            State.Server = Part[1];
        } else if (Part[0] == "collection" && Part.size() == 2) {
            State.CollectionUrl = Part[1];
        } else if (Part[0] == "token" && Part.size() == 2) {
            State.SyncToken = Part[1];
        } else if (Part[0] == "last" && Part.size() == 3) {
            State.LastTime = Part[1];
            State.LastResult = Part[2];
        } else if (Part[0] == "sending" && Part.size() == 3) {
            State.Sending[Part[1]] = Part[2];
        } else if (Part[0] == "entry" && Part.size() == 6) {
            State.Entries[Part[1]] = {Part[2], Part[3], Part[4], Part[5]};
        } else {
            Error = "同步状态文件无法读懂：" + FileName;
            return std::nullopt;
        }
    }
    return State;
}

bool WriteSyncState(const std::string& FileName, const TSyncState& State, std::string& Error) {
    std::string Bytes = std::string(Header) + "\n";
    Bytes += "server\t" + Clean(State.Server) + "\n";
    Bytes += "collection\t" + Clean(State.CollectionUrl) + "\n";
    Bytes += "token\t" + Clean(State.SyncToken) + "\n";
    Bytes += "last\t" + Clean(State.LastTime) + "\t" + Clean(State.LastResult) + "\n";
    for (const auto& [Key, Entry] : State.Entries) {
        if (Clean(Key).empty()) {
            continue;
        }
        Bytes += "entry\t" + Key + "\t" + Clean(Entry.Href) + "\t" + Clean(Entry.Etag) + "\t" +
                 Clean(Entry.Fingerprint) + "\t" + Clean(Entry.RemoteUid) + "\n";
    }
    for (const auto& [Key, Fingerprint] : State.Sending) {
        if (!Clean(Key).empty()) {
            Bytes += "sending\t" + Key + "\t" + Clean(Fingerprint) + "\n";
        }
    }
    return platform::WriteFileAtomically(FileName, Bytes, Error);
}

} // namespace notesync
