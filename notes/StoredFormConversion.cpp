#include "notes/StoredFormConversion.h"

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
// lacks) fails the conversion.
class TConversion : public platform::XmlEventHandler {
public:
    explicit TConversion(std::size_t SizeHint) {
        FOut.reserve(SizeHint + SizeHint / 4 + 64);
        FOut = "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n";
    }

    bool Failed() const { return FFailed; }

    std::string Take() {
        FOut += '\n';
        return std::move(FOut);
    }

    void StartElement(int, std::string_view Name) override {
        FlushRun();
        OpenParent();
        std::string Encoded;
        Fail(!platform::AppendSavedFormName(Encoded, Name));
        FOut += '<';
        FOut += Encoded;
        FOpen.push_back({std::move(Encoded), false});
    }

    void Attributes(int) override { FFailed = true; }

    void EndElement(int) override {
        FlushRun();
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
};

} // namespace

std::optional<std::string> ConvertToStoredForm(std::string_view Bytes) {
    TConversion Conversion(Bytes.size());
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
