#include "platform/Xml.h"

#include "platform/Gbk.h"
#include "platform/XmlSavedForm.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

#include <climits>

namespace platform {
namespace {

const xmlChar* Chars(std::string_view Text) {
    return reinterpret_cast<const xmlChar*>(Text.data());
}

int Length(std::string_view Text) {
    return Text.size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX
                                                           : static_cast<int>(Text.size());
}

bool IsBlankText(const xmlNode* Node) {
    if (Node->type != XML_TEXT_NODE) {
        return false;
    }
    for (const xmlChar* C = Node->content; C != nullptr && *C != 0; ++C) {
        if (*C != ' ' && *C != '\t' && *C != '\n' && *C != '\r') {
            return false;
        }
    }
    return true;
}

// Stops the parse at a document type declaration: with no DTD there are no entity
// declarations, so nothing can be expanded or fetched.
void RefuseDocumentType(void* Context, const xmlChar*, const xmlChar*, const xmlChar*) {
    xmlStopParser(static_cast<xmlParserCtxtPtr>(Context));
}

void Silent(void*, const char*, ...) {}

char Lower(char C) {
    return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C;
}

// Where the XML declaration names the encoding GB2312: the offset of the name, or npos.
std::size_t Gb2312Declared(std::string_view Bytes) {
    constexpr std::size_t None = std::string_view::npos;
    if (Bytes.substr(0, 5) != "<?xml") {
        return None;
    }
    const std::string_view Declaration = Bytes.substr(0, Bytes.find("?>"));
    const std::size_t Name = Declaration.find("encoding");
    if (Name == None) {
        return None;
    }
    std::size_t I = Name + 8;
    while (I < Declaration.size() &&
           (Declaration[I] == ' ' || Declaration[I] == '=' || Declaration[I] == '\t' ||
            Declaration[I] == '\r' || Declaration[I] == '\n')) {
        ++I;
    }
    if (I >= Declaration.size() || (Declaration[I] != '"' && Declaration[I] != '\'')) {
        return None;
    }
    const std::string_view Value = Declaration.substr(I + 1, 7);
    constexpr std::string_view Wanted = "gb2312";
    if (Value.size() != 7 || Value[6] != Declaration[I]) {
        return None;
    }
    for (std::size_t K = 0; K < Wanted.size(); ++K) {
        if (Lower(Value[K]) != Wanted[K]) {
            return None;
        }
    }
    return I + 1;
}

// The bytes as the parser gets them. A document declared as GB2312 is decoded here as GBK,
// the superset that writers of that name commonly produce, so that a character of the wider
// set reads instead of failing the whole document; the table-driven decoding is also much
// faster than the parser's own. Its declaration then names UTF-8.
bool PrepareBytes(std::string_view Bytes, std::string& Decoded, std::string_view& Prepared,
                  std::string& Error) {
    Prepared = Bytes;
    const std::size_t Name = Gb2312Declared(Bytes);
    if (Name == std::string_view::npos) {
        return true;
    }
    Decoded.assign(Bytes.substr(0, Name));
    Decoded += "UTF-8";
    std::size_t Offset = 0;
    if (!GbkToUtf8(Bytes.substr(Name + 6), Decoded, Offset)) {
        Error = "Bytes that are not GB2312 at offset " + std::to_string(Name + 6 + Offset);
        return false;
    }
    Prepared = Decoded;
    return true;
}

constexpr int ParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

// Parses Bytes with Parser, whose handlers the caller has set. False with the reason in
// Error when the document is refused or not well-formed.
bool RunParser(xmlParserCtxtPtr Parser, std::string_view Bytes, xmlDocPtr& Doc,
               std::string& Error) {
    Doc = nullptr;
    std::string Decoded;
    std::string_view Prepared;
    if (!PrepareBytes(Bytes, Decoded, Prepared, Error)) {
        return false;
    }
    xmlSetGenericErrorFunc(nullptr, Silent);
    Parser->sax->internalSubset = RefuseDocumentType;
    Doc = xmlCtxtReadMemory(Parser, Prepared.data(), Length(Prepared), nullptr, nullptr,
                            ParseOptions);
    if (Parser->errNo == XML_ERR_USER_STOP) {
        Error = "Document type declarations are not accepted";
        return false;
    }
    if (Parser->wellFormed == 0) {
        const xmlError* Last = xmlCtxtGetLastError(Parser);
        std::string Message =
            Last != nullptr && Last->message != nullptr ? Last->message : "Not well-formed";
        while (!Message.empty() && (Message.back() == '\n' || Message.back() == '\r')) {
            Message.pop_back();
        }
        Error = "Line " + std::to_string(Last != nullptr ? Last->line : 0) + ": " + Message;
        return false;
    }
    return true;
}

// Hands the parser's events to an XmlEventHandler, counting the open elements.
struct TEventSink {
    XmlEventHandler& Handler;
    int Depth = 0;
    bool SawRoot = false;

    static TEventSink& Of(void* Context) {
        return *static_cast<TEventSink*>(static_cast<xmlParserCtxtPtr>(Context)->_private);
    }
    static std::string_view Text(const xmlChar* Data, int Size) {
        return {reinterpret_cast<const char*>(Data), static_cast<std::size_t>(Size)};
    }

    static void Start(void* Context, const xmlChar* Name, const xmlChar*, const xmlChar*, int,
                      const xmlChar**, int, int, const xmlChar**) {
        TEventSink& Sink = Of(Context);
        Sink.SawRoot = true;
        Sink.Handler.StartElement(Sink.Depth++, reinterpret_cast<const char*>(Name));
    }
    static void End(void* Context, const xmlChar*, const xmlChar*, const xmlChar*) {
        TEventSink& Sink = Of(Context);
        Sink.Handler.EndElement(--Sink.Depth);
    }
    static void Characters(void* Context, const xmlChar* Data, int Size) {
        TEventSink& Sink = Of(Context);
        Sink.Handler.Characters(Sink.Depth, Text(Data, Size));
    }
    static void CData(void* Context, const xmlChar* Data, int Size) {
        TEventSink& Sink = Of(Context);
        Sink.Handler.CData(Sink.Depth, Text(Data, Size));
    }
    static void Comment(void* Context, const xmlChar*) {
        TEventSink& Sink = Of(Context);
        Sink.Handler.Other(Sink.Depth);
    }
    static void Instruction(void* Context, const xmlChar*, const xmlChar*) {
        Comment(Context, nullptr);
    }
};

} // namespace

bool XmlNode::IsElement() const {
    return FNode->type == XML_ELEMENT_NODE;
}

std::string_view XmlNode::Name() const {
    if (!IsElement() || FNode->name == nullptr) {
        return {};
    }
    return reinterpret_cast<const char*>(FNode->name);
}

std::string XmlNode::Text() const {
    xmlChar* Content = xmlNodeGetContent(FNode);
    if (Content == nullptr) {
        return {};
    }
    std::string Result(reinterpret_cast<const char*>(Content));
    xmlFree(Content);
    return Result;
}

void XmlNode::SetText(std::string_view Text) {
    if (!IsElement()) {
        // Text, comment and the like hold their text directly, taken as it stands.
        const std::string Own(Text);
        xmlNodeSetContent(FNode, Chars(Own));
        return;
    }
    xmlNodeSetContent(FNode, nullptr);
    if (!Text.empty()) {
        xmlAddChild(FNode, xmlNewDocTextLen(FNode->doc, Chars(Text), Length(Text)));
    }
}

std::vector<XmlNode> XmlNode::Children() const {
    std::vector<XmlNode> Result;
    for (xmlNode* Child = FNode->children; Child != nullptr; Child = Child->next) {
        if (!IsBlankText(Child)) {
            Result.emplace_back(Child);
        }
    }
    return Result;
}

void XmlNode::RemoveBlankChildren() {
    xmlNode* Child = FNode->children;
    while (Child != nullptr) {
        xmlNode* Next = Child->next;
        if (IsBlankText(Child)) {
            xmlUnlinkNode(Child);
            xmlFreeNode(Child);
        }
        Child = Next;
    }
}

void XmlNode::CDataToText() {
    for (xmlNode* Child = FNode->children; Child != nullptr;) {
        xmlNode* Next = Child->next;
        if (Child->type == XML_CDATA_SECTION_NODE) {
            xmlNode* Text = xmlNewDocText(FNode->doc, Child->content);
            xmlReplaceNode(Child, Text);
            xmlFreeNode(Child);
        } else if (Child->type == XML_ELEMENT_NODE) {
            XmlNode(Child).CDataToText();
        }
        Child = Next;
    }
}

XmlNode XmlNode::AppendElement(std::string_view Name, std::string_view Text) {
    const std::string OwnName(Name);
    xmlNode* Element = xmlNewDocNode(FNode->doc, nullptr, Chars(OwnName), nullptr);
    xmlAddChild(FNode, Element);
    XmlNode Result(Element);
    Result.SetText(Text);
    return Result;
}

void XmlNode::Remove() {
    xmlUnlinkNode(FNode);
    xmlFreeNode(FNode);
    FNode = nullptr;
}

void XmlDocument::Deleter::operator()(_xmlDoc* Doc) const {
    xmlFreeDoc(Doc);
}

XmlDocument::XmlDocument() = default;
XmlDocument::~XmlDocument() = default;
XmlDocument::XmlDocument(XmlDocument&&) noexcept = default;
XmlDocument& XmlDocument::operator=(XmlDocument&&) noexcept = default;

XmlDocument XmlDocument::Parse(std::string_view Bytes, std::string& Error) {
    XmlDocument Result;
    xmlParserCtxtPtr Parser = xmlNewParserCtxt();
    if (Parser == nullptr) {
        Error = "Out of memory";
        return Result;
    }
    xmlDocPtr Doc = nullptr;
    const bool Ok = RunParser(Parser, Bytes, Doc, Error);
    if (Ok && xmlDocGetRootElement(Doc) != nullptr) {
        Result.FDoc.reset(Doc);
    } else {
        if (Ok) {
            Error = "The document has no root element";
        }
        xmlFreeDoc(Doc);
    }
    xmlFreeParserCtxt(Parser);
    return Result;
}

XmlDocument XmlDocument::Create(std::string_view RootName) {
    XmlDocument Result;
    Result.FDoc.reset(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
    const std::string OwnName(RootName);
    xmlDocSetRootElement(Result.FDoc.get(),
                         xmlNewDocNode(Result.FDoc.get(), nullptr, Chars(OwnName), nullptr));
    return Result;
}

XmlNode XmlDocument::Root() const {
    return XmlNode(xmlDocGetRootElement(FDoc.get()));
}

bool XmlDocument::Save(const char* Encoding, std::string& Bytes, std::string& Error) {
    xmlDocPtr Doc = FDoc.get();
    if (Doc->version != nullptr) {
        xmlFree(const_cast<xmlChar*>(Doc->version));
    }
    Doc->version = xmlStrdup(reinterpret_cast<const xmlChar*>("1.0"));
    xmlChar* Buffer = nullptr;
    int Size = 0;
    xmlDocDumpFormatMemoryEnc(Doc, &Buffer, &Size, Encoding, 0);
    if (Buffer == nullptr) {
        Error = std::string("Cannot write the document in ") + Encoding;
        return false;
    }
    std::string Written(reinterpret_cast<const char*>(Buffer), static_cast<std::size_t>(Size));
    xmlFree(Buffer);
    std::string Check;
    if (!Parse(Written, Check)) {
        Error = "The document cannot be written so that it reads back: " + Check;
        return false;
    }
    Bytes = std::move(Written);
    return true;
}

bool ReadXmlEvents(std::string_view Bytes, XmlEventHandler& Handler, std::string& Error) {
    if (IsSavedForm(Bytes)) {
        ReadSavedForm(Bytes, Handler);
        return true;
    }
    xmlParserCtxtPtr Parser = xmlNewParserCtxt();
    if (Parser == nullptr) {
        Error = "Out of memory";
        return false;
    }
    TEventSink Sink{Handler};
    xmlSAXHandler& Sax = *Parser->sax;
    Sax = xmlSAXHandler{};
    Sax.initialized = XML_SAX2_MAGIC;
    Sax.startElementNs = TEventSink::Start;
    Sax.endElementNs = TEventSink::End;
    Sax.characters = TEventSink::Characters;
    Sax.ignorableWhitespace = TEventSink::Characters;
    Sax.cdataBlock = TEventSink::CData;
    Sax.comment = TEventSink::Comment;
    Sax.processingInstruction = TEventSink::Instruction;
    Parser->_private = &Sink;
    xmlDocPtr Doc = nullptr;
    bool Ok = RunParser(Parser, Bytes, Doc, Error);
    xmlFreeDoc(Doc);
    xmlFreeParserCtxt(Parser);
    if (Ok && !Sink.SawRoot) {
        Error = "The document has no root element";
        Ok = false;
    }
    return Ok;
}

} // namespace platform
