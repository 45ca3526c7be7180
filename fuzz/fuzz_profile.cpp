// The profile (INI) reader and writer on any text: a written key reads back, the other keys
// keep their values, writing twice changes nothing more, a byte-order mark in front changes
// nothing but stays, and nothing crashes.

#include "platform/ProfileFile.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool Condition) {
    if (!Condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
    constexpr std::array<std::string_view, 3> Keys = {"Position", "Alarm", "blend"};
    for (const std::string_view Key : Keys) {
        if (const auto Value = platform::FindProfileValue(Text, "NoteSet", Key)) {
            platform::ParseProfileInteger(*Value);
        }
    }
    const std::string Written = platform::SetProfileValue(Text, "NoteSet", "Alarm", "1");
    Check(platform::FindProfileValue(Written, "NoteSet", "Alarm") == "1");
    Check(platform::ParseProfileInteger("1") == 1);
    for (const std::string_view Key : {Keys[0], Keys[2]}) {
        Check(platform::FindProfileValue(Written, "NoteSet", Key) ==
              platform::FindProfileValue(Text, "NoteSet", Key));
    }
    Check(platform::SetProfileValue(Written, "NoteSet", "Alarm", "1") == Written);

    // A byte-order mark before the text changes no value, and a write keeps it in front.
    constexpr std::string_view Mark = "\xEF\xBB\xBF";
    if (Text.substr(0, Mark.size()) != Mark) {
        const std::string Marked = std::string(Mark) + std::string(Text);
        for (const std::string_view Key : Keys) {
            Check(platform::FindProfileValue(Marked, "NoteSet", Key) ==
                  platform::FindProfileValue(Text, "NoteSet", Key));
        }
        Check(platform::SetProfileValue(Marked, "NoteSet", "Alarm", "1") ==
              std::string(Mark) + Written);
    }
    return 0;
}
