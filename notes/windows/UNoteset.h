#pragma once

// The note settings window "便签设置": the popup's corner, the reminder switch and the popup's
// opacity step. Corner and opacity are tried out on an open popup; only Save stores them.

#include "common/SecondaryDialog.h"

class TGlassButton;
class TGradientPanel;
class TOnOffSwitch;
class TOptionGroup;
class TRoundedGroupBox;
class TTrackBar;

class TfrmNoteSet : public TSecondaryDialog {
    Q_OBJECT

public:
    explicit TfrmNoteSet(QWidget* Parent = nullptr);
    ~TfrmNoteSet() override;

    TGradientPanel* W7Panel1 = nullptr;
    TOptionGroup* aorgPos = nullptr;
    TRoundedGroupBox* AdvGroupBox2 = nullptr;
    TOnOffSwitch* assAlarm = nullptr;
    TTrackBar* AdvTrackBar1 = nullptr;
    TGlassButton* AdvGlassButton2 = nullptr;
    TGlassButton* AdvGlassButton1 = nullptr;

    void FormShow() override;
    void LoadSettings();
    void aorgPosClick();
    void AdvTrackBar1Change();
    void AdvGlassButton2Click();
    void AdvGlassButton1Click();

private:
    void FormClose() override;
};
