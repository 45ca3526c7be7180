#pragma once

// The one error that the notes core raises when the notes or settings file cannot be changed
// (a save, a delete, the sample note): its text is shown to the user as it is by the general
// error report.

#include <stdexcept>

namespace notes {

class ENotesError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace notes
