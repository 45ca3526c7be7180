#include "terminal/NotesByDay.h"

#include "calendar/UDateTime.h"
#include "platform/Xml.h"

#include <map>

namespace {

constexpr std::string_view Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><notes>";
constexpr std::string_view Closing = "</notes>";

bool IsDayName(std::string_view Name) {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    return Name.starts_with("Date") && ReadIsoDate(Name.substr(4), Year, Month, Day);
}

void AppendEscaped(std::string& Out, std::string_view Text) {
    for (const char C : Text) {
        switch (C) {
        case '&':
            Out += "&amp;";
            break;
        case '<':
            Out += "&lt;";
            break;
        case '>':
            Out += "&gt;";
            break;
        case '\r':
            Out += "&#13;";
            break;
        default:
            Out += C;
        }
    }
}

// Writes the content of each day element again, below a root of its own. Depth 1 is a day
// element, deeper events are its content.
class TDaySplitter : public platform::XmlEventHandler {
public:
    std::vector<TDayDocument> Days;

    void StartElement(int Depth, std::string_view Name) override {
        if (Depth == 1) {
            FOpen.clear();
            FCurrent = nullptr;
            if (IsDayName(Name)) {
                const auto [At, New] = FIndex.try_emplace(std::string(Name), Days.size());
                if (New) {
                    Days.push_back({std::string(Name), std::string(Declaration)});
                }
                FCurrent = &Days[At->second].Document;
                FOpen.emplace_back(Name);
                *FCurrent += '<' + FOpen.back() + '>';
            }
        } else if (FCurrent != nullptr && Depth >= 2) {
            FOpen.emplace_back(Name);
            *FCurrent += '<' + FOpen.back() + '>';
        }
    }

    void EndElement(int Depth) override {
        if (FCurrent == nullptr || Depth < 1 || FOpen.empty()) {
            return;
        }
        *FCurrent += "</" + FOpen.back() + '>';
        FOpen.pop_back();
        if (Depth == 1) {
            FCurrent = nullptr;
        }
    }

    void Characters(int Depth, std::string_view Text) override {
        if (FCurrent != nullptr && Depth >= 2) {
            AppendEscaped(*FCurrent, Text);
        }
    }

    void CData(int Depth, std::string_view Text) override {
        if (FCurrent != nullptr && Depth >= 2) {
            *FCurrent += "<![CDATA[" + std::string(Text) + "]]>";
        }
    }

    void Other(int Depth) override {
        if (FCurrent != nullptr && Depth >= 2) {
            *FCurrent += "<!---->";
        }
    }

private:
    std::map<std::string, std::size_t, std::less<>> FIndex;
    std::vector<std::string> FOpen; // the element names open in the current day
    std::string* FCurrent = nullptr;
};

} // namespace

bool SplitNotesByDay(std::string_view Bytes, std::vector<TDayDocument>& Days, std::string& Error) {
    TDaySplitter Splitter;
    if (!platform::ReadXmlEvents(Bytes, Splitter, Error)) {
        return false;
    }
    for (TDayDocument& Day : Splitter.Days) {
        Day.Document += Closing;
    }
    Days = std::move(Splitter.Days);
    return true;
}
