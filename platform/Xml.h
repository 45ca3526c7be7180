#pragma once

// A small owning layer over libxml2 for the notes file: parsing that never reaches out
// (no network, no external entities, no DTD loading, libxml2's size and depth limits kept),
// element handles for walking and changing the tree, and saving in a chosen encoding.
// Names and texts are UTF-8.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct _xmlDoc;
struct _xmlNode;

namespace platform {

// A node inside an XmlDocument; valid while the document lives and the node is in it.
class XmlNode {
public:
    explicit XmlNode(_xmlNode* Node) : FNode(Node) {}

    bool IsElement() const;
    // The element's name; empty for any other kind of node.
    std::string_view Name() const;
    bool NameIs(std::string_view Name) const { return IsElement() && this->Name() == Name; }
    // The text content: every text below the node, joined.
    std::string Text() const;
    // Replaces the node's children with one text node (none for an empty text).
    void SetText(std::string_view Text);

    // The children that carry meaning: every child node except text that is only white
    // space between elements.
    std::vector<XmlNode> Children() const;
    // Removes the text children that are only white space.
    void RemoveBlankChildren();
    // Turns every CDATA section below the node into text with the same content, so that
    // characters the saving encoding lacks can be written as character references.
    void CDataToText();
    // Appends a new child element holding Text.
    XmlNode AppendElement(std::string_view Name, std::string_view Text = {});
    // Puts a new element holding Text just before the node, as its sibling.
    XmlNode InsertElementBefore(std::string_view Name, std::string_view Text = {});
    // Takes the node out of its document and frees it; the handle is then dead.
    void Remove();

private:
    _xmlNode* FNode;
};

// Receives the content of a document as it is read, without a tree being built. Depth is
// the number of elements open around the event's node: 0 for the root element.
class XmlEventHandler {
public:
    virtual ~XmlEventHandler() = default;
    virtual void StartElement(int Depth, std::string_view Name) = 0;
    // Follows StartElement when the element has attributes, namespace declarations or a
    // prefix.
    virtual void Attributes(int /*Depth*/) {}
    virtual void EndElement(int Depth) = 0;
    // A piece of character data; one text may come in several pieces.
    virtual void Characters(int Depth, std::string_view Text) = 0;
    // The same for a piece the reader made for this call and hands over.
    virtual void TakeCharacters(int Depth, std::string&& Text) { Characters(Depth, Text); }
    virtual void CData(int Depth, std::string_view Text) = 0;
    // A comment or processing instruction.
    virtual void Other(int Depth) = 0;
    // False while the handler has no use for character data; the reader may then leave
    // Characters out.
    virtual bool WantsText() const { return true; }
};

// Reads a whole document with the same rules as XmlDocument::Parse, handing its content to
// Handler. A document in the form that Save writes in GB2312 is read by the fast reader of
// platform/XmlSavedForm.h instead of the general parser. False with the parser's message in Error
// when the document is not well-formed; Handler may then have seen the content before the fault.
bool ReadXmlEvents(std::string_view Bytes, XmlEventHandler& Handler, std::string& Error);

class XmlDocument {
public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(XmlDocument&&) noexcept;
    XmlDocument& operator=(XmlDocument&&) noexcept;

    // Parses a whole document. A document type declaration is refused, so no entity is ever
    // declared or expanded. On failure the document is empty and Error holds the parser's
    // message with its line.
    static XmlDocument Parse(std::string_view Bytes, std::string& Error);
    // The same, freeing the bytes as soon as the parser holds them in its own form.
    static XmlDocument Parse(std::string&& Bytes, std::string& Error);
    // A new document holding only a root element.
    static XmlDocument Create(std::string_view RootName);

    explicit operator bool() const { return FDoc != nullptr; }
    // The root element; the document must not be empty.
    XmlNode Root() const;

    // The first name (of an element, attribute, namespace prefix or processing instruction),
    // comment, instruction or CDATA section whose text the given encoding cannot hold: those
    // have no character references, so a save in that encoding could never read back as it
    // was. Empty when every part can be written.
    struct TUnwritable {
        long Line = 0;
        std::string Text;
    };
    std::optional<TUnwritable> FirstUnwritable(const char* Encoding) const;

    // Writes the document with the declaration version "1.0" and the given encoding and
    // no white space added. Characters the encoding cannot hold are written as numeric
    // character references. The result is parsed again before it is handed out, so bytes
    // that would not read back are never delivered: false and Error instead.
    bool Save(const char* Encoding, std::string& Bytes, std::string& Error);

private:
    static XmlDocument Parse(std::string_view Bytes, std::string& Error, std::string* Owned);

    struct Deleter {
        void operator()(_xmlDoc* Doc) const;
    };
    std::unique_ptr<_xmlDoc, Deleter> FDoc;
};

} // namespace platform
