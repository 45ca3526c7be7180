#pragma once

// The About window "关于本软件": the program's version, name, maker and web site read from
// the program file's own version information, and a line on the main window's
// transparency keys. Modal, borderless, freed when closed.

#include "common/SecondaryDialog.h"

class QLabel;
class TExeInfo;
class TGlassButton;
class TGradientPanel;

class TfrmAbout : public TSecondaryDialog {
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* Parent = nullptr);

    TGradientPanel* W7Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblDevolper = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblWebSite = nullptr;
    QLabel* Label5 = nullptr;
    TGlassButton* W7ToolButton1 = nullptr;
    TExeInfo* ExeInfo1 = nullptr;

    // The window's opacity, 0 (invisible) .. 255 (opaque), as last copied from the main
    // window.
    int AlphaLevel() const;

    void FormCreate();
    void FormShow() override;
    void FormClose() override;
    void W7ToolButton1Click();
    void lblWebSiteClick();

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
};
