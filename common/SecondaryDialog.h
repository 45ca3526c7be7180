#pragma once

// The life of the program's modal windows (the note dialogs and About): each showing by the
// program, not the desktop's giving the window back, runs FormShow; every way out (OK,
// cancel, Escape, closing) ends in done, which runs FormClose to clear the window's reference.

#include <QDialog>

class TSecondaryDialog : public QDialog {
public:
    using QDialog::QDialog;

    void done(int Result) override;

protected:
    void showEvent(QShowEvent* Event) override;

    virtual void FormShow() = 0;
    virtual void FormClose() = 0;
};
