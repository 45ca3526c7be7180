#include "notes/NoteIdentity.h"

#include <random>

namespace notes {

std::string NewNoteId() {
    static constexpr char Digits[] = "0123456789abcdef";
    // The system's entropy source, asked afresh for every identity: identities made in two
    // processes at once must differ as well.
    std::random_device Source;
    std::string Id;
    Id.reserve(32);
    for (int Word = 0; Word < 4; ++Word) {
        std::uint32_t Bits = Source();
        for (int Digit = 0; Digit < 8; ++Digit) {
            Id += Digits[Bits & 0xF];
            Bits >>= 4;
        }
    }
    return Id;
}

} // namespace notes
