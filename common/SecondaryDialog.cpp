#include "common/SecondaryDialog.h"

#include <QShowEvent>

void TSecondaryDialog::done(int Result) {
    FormClose();
    QDialog::done(Result);
}

void TSecondaryDialog::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    if (!Event->spontaneous()) {
        FormShow();
    }
}
