#pragma once

// The note settings window "便签设置": the popup's corner, the reminder switch, the popup's
// opacity step and the switch "登录时启动". Corner and opacity are tried out on an open popup;
// only Save stores them.

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
    TRoundedGroupBox* grpSessionStart = nullptr;
    TOnOffSwitch* assSessionStart = nullptr;
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
    // Writes or removes the autostart entry when the switch was turned; false after a
    // failure, which has been reported.
    bool SaveSessionStart();

    bool FStartsWithSession = false;
};
