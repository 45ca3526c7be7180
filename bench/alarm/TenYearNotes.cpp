#include "TenYearNotes.h"

#include "TenYearNotesFile.h"

#include "notes/UNotesFile.h"

#include <fstream>

void WriteTenYearNotes(TDateTime LastDay) {
    std::ofstream(notes::NotesFileName(), std::ios::binary | std::ios::trunc)
        << TenYearNotesFile(LastDay, 1000);
}
