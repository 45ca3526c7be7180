#include "notes/StoredFormSplice.h"

#include "notes/NotesDocument.h"
#include "notes/NotesReading.h"
#include "platform/SavedFormWriter.h"
#include "platform/XmlSavedForm.h"

namespace notes {
namespace {

// Appends the day element Today holding Notes in the stored form.
bool AppendDay(std::string& Out, std::string_view Today, const TNotes& Notes) {
    if (Notes.empty()) {
        return platform::AppendSavedFormElement(Out, Today, {});
    }
    if (!platform::AppendSavedFormStartTag(Out, Today)) {
        return false;
    }
    for (const TNote& Note : Notes) {
        for (const auto& [Name, Text] : NoteElementsOf(Note)) {
            if (!platform::AppendSavedFormElement(Out, Name, Text)) {
                return false;
            }
        }
    }
    return platform::AppendSavedFormEndTag(Out, Today);
}

std::size_t TextSize(const TNotes& Notes) {
    std::size_t Size = 0;
    for (const TNote& Note : Notes) {
        Size += Note.Title.size() + Note.When.size() + Note.Remind.Text().size() +
                Note.Content.size() + Note.Id.size() + 128;
    }
    return Size;
}

} // namespace

std::optional<std::string> SpliceToday(std::string_view Bytes, std::string_view Today,
                                       const std::function<TDayFate(TNotes&)>& Change) {
    if (Today.empty()) {
        return platform::IsSavedForm(Bytes) ? std::optional<std::string>(Bytes) : std::nullopt;
    }
    const std::optional<platform::TSavedFormPlaces> Places =
        platform::LocateInSavedForm(Bytes, Today);
    if (!Places) {
        return std::nullopt;
    }
    TNotesRead Read = ReadNotesFrom(Bytes, {std::string(Today), true});
    if (!Read.Ok) {
        return std::nullopt;
    }
    const TDayFate Fate = Change(Read.Notes);

    const auto& Elements = Places->Elements;
    const std::size_t At = Elements.empty() ? Places->RootEnd : Elements.front().first;
    std::string Result;
    Result.reserve(Bytes.size() + TextSize(Read.Notes));
    Result.append(Bytes.substr(0, At));
    if (Fate == TDayFate::Keep && !AppendDay(Result, Today, Read.Notes)) {
        return std::nullopt;
    }
    std::size_t Copied = Elements.empty() ? At : Elements.front().second;
    for (std::size_t I = 1; I < Elements.size(); ++I) {
        Result.append(Bytes.substr(Copied, Elements[I].first - Copied));
        Copied = Elements[I].second;
    }
    Result.append(Bytes.substr(Copied));
    // The result must read as the stored form does; anything else is left to the tree.
    if (!platform::IsSavedForm(Result)) {
        return std::nullopt;
    }
    return Result;
}

} // namespace notes
