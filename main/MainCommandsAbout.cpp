#include "main/UMain.h"

#include "about/UAbout.h"
#include "common/WindowReferences.h"

// "关于...": a fresh About window each time (it frees itself when closed), owned by the
// application and shown modally.
void TfrmManyYear::N11Click() {
    if (frmAbout == nullptr) {
        frmAbout = new TfrmAbout;
    }
    frmAbout->exec();
}
