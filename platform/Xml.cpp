#include "platform/Xml.h"

#include "platform/Gbk.h"
#include "platform/XmlSavedForm.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

#include <algorithm>
#include <climits>
#include <iconv.h>
#include <unordered_map>

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

// Elements nest at most this deep, the parser's own limit without XML_PARSE_HUGE: a deeper
// document is refused rather than walked.
constexpr int MaxDepth = 256;

// What a parse refused, kept beside the parser; for a reading by events also the handler.
struct TParseState {
    XmlEventHandler* Handler = nullptr;
    int Depth = 0;
    bool SawRoot = false;
    const char* Refusal = nullptr;

    static TParseState& Of(void* Context) {
        return *static_cast<TParseState*>(static_cast<xmlParserCtxtPtr>(Context)->_private);
    }

    // Stops the parse for Reason.
    static void Refuse(void* Context, const char* Reason) {
        Of(Context).Refusal = Reason;
        xmlStopParser(static_cast<xmlParserCtxtPtr>(Context));
    }

    // False, and the parse stopped, when the element that starts now nests too deep.
    static bool DepthAllowed(void* Context) {
        if (static_cast<xmlParserCtxtPtr>(Context)->nameNr > MaxDepth) {
            Refuse(Context, "元素嵌套超过 256 层，不予读取");
            return false;
        }
        return true;
    }
};

// At most this many attributes on one element. The parser's check for repeated attributes
// takes time that grows with the square of their number, so an element with very many is
// refused before the parse; the notes file uses none.
constexpr std::size_t MaxAttributes = 256;

// Whether every start tag has at most MaxAttributes attributes, counted by their equals
// signs outside quoted values; comments, CDATA sections and instructions are skipped. What is
// not well-formed is left to the parser.
bool AttributesWithinLimit(std::string_view Bytes) {
    constexpr std::size_t None = std::string_view::npos;
    std::size_t I = Bytes.find('<');
    while (I != None && I + 1 < Bytes.size()) {
        const std::string_view Rest = Bytes.substr(I);
        std::size_t End = None;
        if (Rest.substr(0, 4) == "<!--") {
            End = Bytes.find("-->", I + 4);
        } else if (Rest.substr(0, 9) == "<![CDATA[") {
            End = Bytes.find("]]>", I + 9);
        } else if (Rest[1] == '?') {
            End = Bytes.find("?>", I + 2);
        } else if (Rest[1] == '!' || Rest[1] == '/') {
            End = I + 1;
        } else {
            std::size_t Count = 0;
            std::size_t J = I + 1;
            while (J != None && J < Bytes.size() && Bytes[J] != '>' && Bytes[J] != '<') {
                if (Bytes[J] == '"' || Bytes[J] == '\'') {
                    J = Bytes.find(Bytes[J], J + 1);
                } else if (Bytes[J] == '=' && ++Count > MaxAttributes) {
                    return false;
                }
                if (J != None) {
                    ++J;
                }
            }
            End = J;
        }
        if (End == None) {
            return true;
        }
        I = Bytes.find('<', End);
    }
    return true;
}

// Stops the parse at a document type declaration: with no DTD there are no entity
// declarations, so nothing can be expanded or fetched.
void RefuseDocumentType(void* Context, const xmlChar*, const xmlChar*, const xmlChar*) {
    TParseState::Refuse(Context, "含有文档类型声明（DOCTYPE），不予读取");
}

// The tree builder's start of an element, behind the depth limit.
void StartTreeElement(void* Context, const xmlChar* Name, const xmlChar* Prefix, const xmlChar* Uri,
                      int Namespaces, const xmlChar** NamespaceList, int Attributes, int Defaulted,
                      const xmlChar** AttributeList) {
    if (TParseState::DepthAllowed(Context)) {
        xmlSAX2StartElementNs(Context, Name, Prefix, Uri, Namespaces, NamespaceList, Attributes,
                              Defaulted, AttributeList);
    }
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
        Error = "第 " + std::to_string(Name + 6 + Offset) + " 个字节起不是 GB2312 编码的文字";
        return false;
    }
    Prepared = Decoded;
    return true;
}

// The same options for every parse, the check of a save's own bytes included, so that what
// reads can be saved and what is saved reads. Texts and names may be as long as a data file
// (platform/Files.h caps its size), so the parser's own smaller length limits are lifted.
constexpr int ParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
                             XML_PARSE_HUGE | XML_PARSE_BIG_LINES;

// Parses Bytes with Parser, whose handlers the caller has set. False with the reason in
// Error when the document is refused or not well-formed.
// Owned, when given, holds Bytes and is freed once the parser has its own form of them.
bool RunParser(xmlParserCtxtPtr Parser, TParseState& State, std::string_view Bytes, xmlDocPtr& Doc,
               std::string& Error, std::string* Owned = nullptr) {
    Doc = nullptr;
    std::string Decoded;
    std::string_view Prepared;
    if (!PrepareBytes(Bytes, Decoded, Prepared, Error)) {
        return false;
    }
    if (Owned != nullptr && !Decoded.empty()) {
        *Owned = std::string();
    }
    if (!AttributesWithinLimit(Prepared)) {
        Error = "有元素的属性超过 256 个，不予读取";
        return false;
    }
    xmlSetGenericErrorFunc(nullptr, Silent);
    Parser->sax->internalSubset = RefuseDocumentType;
    Parser->_private = &State;
    Doc = xmlCtxtReadMemory(Parser, Prepared.data(), Length(Prepared), nullptr, nullptr,
                            ParseOptions);
    if (State.Refusal != nullptr) {
        Error = State.Refusal;
        return false;
    }
    if (Parser->wellFormed == 0) {
        const xmlError* Last = xmlCtxtGetLastError(Parser);
        std::string Message =
            Last != nullptr && Last->message != nullptr ? Last->message : "Not well-formed";
        while (!Message.empty() && (Message.back() == '\n' || Message.back() == '\r')) {
            Message.pop_back();
        }
        Error = "第 " + std::to_string(Last != nullptr ? Last->line : 0) + " 行不是完好的 XML（" +
                Message + "）";
        return false;
    }
    return true;
}

// Hands the parser's events to the XmlEventHandler of the parse, counting the open elements.
struct TEventSink {
    static std::string_view Text(const xmlChar* Data, int Size) {
        return {reinterpret_cast<const char*>(Data), static_cast<std::size_t>(Size)};
    }

    static void Start(void* Context, const xmlChar* Name, const xmlChar* Prefix, const xmlChar*,
                      int Namespaces, const xmlChar**, int Attributes, int, const xmlChar**) {
        if (!TParseState::DepthAllowed(Context)) {
            return;
        }
        TParseState& Sink = TParseState::Of(Context);
        Sink.SawRoot = true;
        const int Depth = Sink.Depth++;
        Sink.Handler->StartElement(Depth, reinterpret_cast<const char*>(Name));
        if (Prefix != nullptr || Namespaces > 0 || Attributes > 0) {
            Sink.Handler->Attributes(Depth);
        }
    }
    static void End(void* Context, const xmlChar*, const xmlChar*, const xmlChar*) {
        TParseState& Sink = TParseState::Of(Context);
        if (Sink.Refusal == nullptr) {
            Sink.Handler->EndElement(--Sink.Depth);
        }
    }
    static void Characters(void* Context, const xmlChar* Data, int Size) {
        TParseState& Sink = TParseState::Of(Context);
        Sink.Handler->Characters(Sink.Depth, Text(Data, Size));
    }
    static void CData(void* Context, const xmlChar* Data, int Size) {
        TParseState& Sink = TParseState::Of(Context);
        Sink.Handler->CData(Sink.Depth, Text(Data, Size));
    }
    static void Comment(void* Context, const xmlChar*) {
        TParseState& Sink = TParseState::Of(Context);
        Sink.Handler->Other(Sink.Depth);
    }
    static void Instruction(void* Context, const xmlChar*, const xmlChar*) {
        Comment(Context, nullptr);
    }
};

// Whether a UTF-8 text can be written in an encoding. The same few names come back all the
// time, so each text is converted once; ASCII fits every encoding used here.
class TEncodingCheck {
public:
    explicit TEncodingCheck(const char* Encoding) : FConverter(iconv_open(Encoding, "UTF-8")) {}
    ~TEncodingCheck() {
        if (FConverter != Invalid()) {
            iconv_close(FConverter);
        }
    }
    TEncodingCheck(const TEncodingCheck&) = delete;
    TEncodingCheck& operator=(const TEncodingCheck&) = delete;

    bool operator()(std::string_view Text) {
        if (std::all_of(Text.begin(), Text.end(),
                        [](char C) { return static_cast<unsigned char>(C) < 0x80; })) {
            return true;
        }
        if (FConverter == Invalid()) {
            return false;
        }
        const auto [Known, New] = FChecked.try_emplace(std::string(Text), false);
        if (New) {
            Known->second = Converts(Text);
        }
        return Known->second;
    }

private:
    static iconv_t Invalid() { return reinterpret_cast<iconv_t>(-1); }

    bool Converts(std::string_view Text) {
        iconv(FConverter, nullptr, nullptr, nullptr, nullptr);
        std::string In(Text);
        char* From = In.data();
        std::size_t FromLeft = In.size();
        std::string Out(In.size() * 2 + 8, '\0');
        char* To = Out.data();
        std::size_t ToLeft = Out.size();
        return iconv(FConverter, &From, &FromLeft, &To, &ToLeft) != static_cast<std::size_t>(-1) &&
               FromLeft == 0;
    }

    iconv_t FConverter;
    std::unordered_map<std::string, bool> FChecked;
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

XmlNode XmlNode::InsertElementBefore(std::string_view Name, std::string_view Text) {
    const std::string OwnName(Name);
    xmlNode* Element = xmlNewDocNode(FNode->doc, nullptr, Chars(OwnName), nullptr);
    xmlAddPrevSibling(FNode, Element);
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
    return Parse(Bytes, Error, nullptr);
}

XmlDocument XmlDocument::Parse(std::string&& Bytes, std::string& Error) {
    return Parse(Bytes, Error, &Bytes);
}

XmlDocument XmlDocument::Parse(std::string_view Bytes, std::string& Error, std::string* Owned) {
    XmlDocument Result;
    xmlParserCtxtPtr Parser = xmlNewParserCtxt();
    if (Parser == nullptr) {
        Error = "内存不足";
        return Result;
    }
    Parser->sax->startElementNs = StartTreeElement;
    TParseState State;
    xmlDocPtr Doc = nullptr;
    const bool Ok = RunParser(Parser, State, Bytes, Doc, Error, Owned);
    if (Ok && xmlDocGetRootElement(Doc) != nullptr) {
        Result.FDoc.reset(Doc);
    } else {
        if (Ok) {
            Error = "没有根元素";
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
        Error = std::string("无法以 ") + Encoding + " 编码写出";
        return false;
    }
    std::string Written(reinterpret_cast<const char*>(Buffer), static_cast<std::size_t>(Size));
    xmlFree(Buffer);
    std::string Check;
    if (!IsSavedForm(Written) && !Parse(Written, Check)) {
        Error = "写出的内容无法再读回：" + Check;
        return false;
    }
    Bytes = std::move(Written);
    return true;
}

std::optional<XmlDocument::TUnwritable> XmlDocument::FirstUnwritable(const char* Encoding) const {
    TEncodingCheck Fits(Encoding);
    xmlNode* Node = xmlDocGetRootElement(FDoc.get());
    while (Node != nullptr) {
        // The texts of the node that are written as they are.
        std::vector<const xmlChar*> Texts;
        if (Node->type == XML_ELEMENT_NODE) {
            Texts.push_back(Node->name);
            if (Node->ns != nullptr) {
                Texts.push_back(Node->ns->prefix);
            }
            for (const xmlNs* Space = Node->nsDef; Space != nullptr; Space = Space->next) {
                Texts.push_back(Space->prefix);
            }
            for (const xmlAttr* Attribute = Node->properties; Attribute != nullptr;
                 Attribute = Attribute->next) {
                Texts.push_back(Attribute->name);
                if (Attribute->ns != nullptr) {
                    Texts.push_back(Attribute->ns->prefix);
                }
            }
        } else if (Node->type == XML_PI_NODE) {
            Texts = {Node->name, Node->content};
        } else if (Node->type == XML_COMMENT_NODE || Node->type == XML_CDATA_SECTION_NODE) {
            Texts.push_back(Node->content);
        }
        for (const xmlChar* Text : Texts) {
            if (Text != nullptr && !Fits(reinterpret_cast<const char*>(Text))) {
                return TUnwritable{xmlGetLineNo(Node), reinterpret_cast<const char*>(Text)};
            }
        }
        // Depth first, in document order.
        if (Node->type == XML_ELEMENT_NODE && Node->children != nullptr) {
            Node = Node->children;
            continue;
        }
        while (Node != nullptr && Node->next == nullptr) {
            Node = Node->parent;
            if (Node != nullptr && Node->type == XML_DOCUMENT_NODE) {
                Node = nullptr;
            }
        }
        if (Node != nullptr) {
            Node = Node->next;
        }
    }
    return std::nullopt;
}

bool ReadXmlEvents(std::string_view Bytes, XmlEventHandler& Handler, std::string& Error) {
    if (IsSavedForm(Bytes)) {
        ReadSavedForm(Bytes, Handler);
        return true;
    }
    xmlParserCtxtPtr Parser = xmlNewParserCtxt();
    if (Parser == nullptr) {
        Error = "内存不足";
        return false;
    }
    TParseState Sink;
    Sink.Handler = &Handler;
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
    xmlDocPtr Doc = nullptr;
    bool Ok = RunParser(Parser, Sink, Bytes, Doc, Error);
    xmlFreeDoc(Doc);
    xmlFreeParserCtxt(Parser);
    if (Ok && !Sink.SawRoot) {
        Error = "没有根元素";
        Ok = false;
    }
    return Ok;
}

} // namespace platform
