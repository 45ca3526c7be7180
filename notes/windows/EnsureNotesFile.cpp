#include "notes/windows/EnsureNotesFile.h"

#include "common/ErrorReport.h"
#include "notes/NotesError.h"
#include "notes/UNotesFile.h"

#include <QFileInfo>

bool EnsureNotesFile(const std::string& FileName) {
    if (QFileInfo::exists(QString::fromStdString(FileName))) {
        return true;
    }
    try {
        notes::WriteSampleNotes(FileName);
    } catch (const notes::ENotesError& Failure) {
        ReportError(Failure);
        return false;
    }
    return true;
}
