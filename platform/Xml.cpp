#include "platform/Xml.h"

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
    auto* Parser = static_cast<xmlParserCtxtPtr>(Context);
    Parser->_private = Parser;
    xmlStopParser(Parser);
}

constexpr int ParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

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
    Parser->sax->internalSubset = RefuseDocumentType;
    Parser->_private = nullptr;
    xmlDocPtr Doc =
        xmlCtxtReadMemory(Parser, Bytes.data(), Length(Bytes), nullptr, nullptr, ParseOptions);
    if (Parser->_private != nullptr) {
        xmlFreeDoc(Doc);
        Doc = nullptr;
        Error = "Document type declarations are not accepted";
    } else if (Doc == nullptr || xmlDocGetRootElement(Doc) == nullptr) {
        const xmlError* Last = xmlCtxtGetLastError(Parser);
        if (Last != nullptr && Last->message != nullptr) {
            std::string Message = Last->message;
            while (!Message.empty() && (Message.back() == '\n' || Message.back() == '\r')) {
                Message.pop_back();
            }
            Error = "Line " + std::to_string(Last->line) + ": " + Message;
        } else {
            Error = "The document has no root element";
        }
        xmlFreeDoc(Doc);
        Doc = nullptr;
    }
    xmlFreeParserCtxt(Parser);
    Result.FDoc.reset(Doc);
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

} // namespace platform
