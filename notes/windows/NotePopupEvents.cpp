#include "notes/windows/NotePopupEvents.h"

TNotePopupEvents& NotePopupEvents() {
    static TNotePopupEvents Events;
    return Events;
}
