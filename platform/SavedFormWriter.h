#pragma once

// Writing elements in the saved form of platform/XmlSavedForm.h (GB2312, no attributes, texts
// with references) straight into a byte string, without a document tree.

#include <string>
#include <string_view>

namespace platform {

// Appends "<Name>Text</Name>", or "<Name/>" for an empty text, in GB2312: in the text "<",
// ">", "&" and carriage returns become references, and so does every character GB2312 lacks.
// False, with Out in an unspecified state, when Name or Text is not UTF-8, when Text holds a
// character that XML cannot hold at all, or when Name holds one that GB2312 lacks.
bool AppendSavedFormElement(std::string& Out, std::string_view Name, std::string_view Text);

// Appends a name, or a text, in GB2312 as AppendSavedFormElement writes them.
bool AppendSavedFormName(std::string& Out, std::string_view Name);
bool AppendSavedFormText(std::string& Out, std::string_view Text);

// Appends "<Name>" or "</Name>" in GB2312; false as for AppendSavedFormElement.
bool AppendSavedFormStartTag(std::string& Out, std::string_view Name);
bool AppendSavedFormEndTag(std::string& Out, std::string_view Name);

} // namespace platform
