#pragma once

// Small notes files written by hand, in UTF-8, for the tests.

#include <string>

inline std::string NotesDocument(const std::string& Days) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><便签列表>" + Days + "</便签列表>";
}

inline std::string NoteElements(const std::string& Title, const std::string& When,
                                const std::string& Remind, const std::string& Content) {
    return "<标题>" + Title + "</标题><日期>" + When + "</日期><提醒>" + Remind + "</提醒><内容>" +
           Content + "</内容>";
}

inline std::string DayElement(const std::string& Day, const std::string& Children) {
    return "<Date" + Day + ">" + Children + "</Date" + Day + ">";
}
