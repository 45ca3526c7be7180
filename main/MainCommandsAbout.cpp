#include "main/UMain.h"

#include "about/UAbout.h"
#include "common/WindowReferences.h"

// "关于...": a fresh About window each time (it frees itself when closed), shown modally
// over the main window, its parent.
void TfrmManyYear::N11Click() {
    if (frmAbout == nullptr) {
        frmAbout = new TfrmAbout(this);
    }
    frmAbout->exec();
}
