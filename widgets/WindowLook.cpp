#include "widgets/WindowLook.h"

#include "widgets/GradientPanel.h"

void SetPanelLook(TGradientPanel* Panel) {
    Panel->SetGradient(Qt::white, PanelShade);
    Panel->SetOuterFrame(PanelFrame);
    Panel->SetInnerFrame(Qt::white);
}
