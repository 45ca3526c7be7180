#include "notes/StoredFormConversion.h"

#include "notes/NoteIdentity.h"
#include "notes/NotesDocument.h"
#include "notes/ReadingRule.h"
#include "platform/SavedFormWriter.h"
#include "platform/Xml.h"
#include "platform/XmlSavedForm.h"

#include <vector>

namespace notes {
namespace {

bool IsBlank(std::string_view Text) {
    return Text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Writes the events of a parse in the stored form, as TakeStoredForm and the saving of the
// tree would: text that is only white space among the children of the root or of a day
// element is dropped, CDATA inside a day element's children is text, and anything the
// stored form cannot hold (attributes, comments, instructions, other CDATA, names GB2312
// lacks) fails the conversion. With GiveIds, every note (as the reading rule finds it) that
// lacks an identity gets one, written where the note ends.
class TConversion : public platform::XmlEventHandler {
public:
    TConversion(std::size_t SizeHint, bool GiveIds) : FGiveIds(GiveIds) {
        FOut.reserve(SizeHint + SizeHint / 4 + 64);
        FOut = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n";
    }

    bool Failed() const { return FFailed; }

    std::string Take() {
        FOut += '\n';
        return std::move(FOut);
    }

    void StartElement(int Depth, std::string_view Name) override {
        FlushRun();
        if (Depth == 1) {
            FGatherer = TNoteGatherer([](TNote&&) {});
        } else if (Depth == 2) {
            FPart = NotePartOf(Name);
            FIdText.clear();
            if (FGatherer.Ends(FPart)) {
                EndNote();
            }
        }
        OpenParent();
        std::string Encoded;
        Fail(!platform::AppendSavedFormName(Encoded, Name));
        FOut += '<';
        FOut += Encoded;
        FOpen.push_back({std::move(Encoded), false});
    }

    void Attributes(int) override { FFailed = true; }

    void EndElement(int Depth) override {
        FlushRun();
        if (Depth == 1) {
            EndNote();
        } else if (Depth == 2) {
            FGatherer.Part(FPart, FPart == TNotePart::Id ? std::move(FIdText) : std::string());
            FPart = TNotePart::None;
        }
        if (FOpen.empty()) {
            FFailed = true;
            return;
        }
        const TOpen Element = std::move(FOpen.back());
        FOpen.pop_back();
        if (Element.HasChild) {
            FOut += "</" + Element.Name + ">";
        } else {
            FOut += "/>";
        }
    }

    void Characters(int Depth, std::string_view Text) override {
        if (Depth <= 2) {
            FRun += Text;
            return;
        }
        if (FPart == TNotePart::Id) {
            FIdText += Text;
        }
        OpenParent();
        Fail(!platform::AppendSavedFormText(FOut, Text));
    }

    void CData(int Depth, std::string_view Text) override {
        Fail(Depth <= 2);
        Characters(Depth, Text);
    }

    void Other(int) override { FFailed = true; }

private:
    struct TOpen {
        std::string Name; // in GB2312
        bool HasChild = false;
    };

    void Fail(bool Condition) { FFailed = FFailed || Condition; }

    // The note being gathered ends here: its identity is written when it has none.
    void EndNote() {
        if (FGiveIds && FGatherer.Gathering() && FGatherer.Note().Id.empty()) {
            OpenParent();
            Fail(!platform::AppendSavedFormElement(FOut, IdName, NewNoteId()));
            FGatherer.Part(TNotePart::Id, "-");
        }
    }

    // The innermost open element gets a child: its start tag is closed.
    void OpenParent() {
        if (!FOpen.empty() && !FOpen.back().HasChild) {
            FOut += '>';
            FOpen.back().HasChild = true;
        }
    }

    // Text between elements near the root: dropped when it is only white space.
    void FlushRun() {
        if (FRun.empty()) {
            return;
        }
        if (!IsBlank(FRun)) {
            OpenParent();
            Fail(!platform::AppendSavedFormText(FOut, FRun));
        }
        FRun.clear();
    }

    std::string FOut;
    std::vector<TOpen> FOpen;
    std::string FRun;
    bool FFailed = false;
    bool FGiveIds = false;
    TNoteGatherer FGatherer{[](TNote&&) {}};
    TNotePart FPart = TNotePart::None;
    std::string FIdText;
};

} // namespace

std::optional<std::string> ConvertToStoredForm(std::string_view Bytes, TIdentities Identities) {
    TConversion Conversion(Bytes.size(), Identities == TIdentities::Give);
    std::string Error;
    if (!platform::ReadXmlEvents(Bytes, Conversion, Error) || Conversion.Failed()) {
        return std::nullopt;
    }
    std::string Converted = Conversion.Take();
    if (!platform::IsSavedForm(Converted)) {
        return std::nullopt;
    }
    return Converted;
}

} // namespace notes
