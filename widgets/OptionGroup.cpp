#include "widgets/OptionGroup.h"

#include <QRadioButton>

TOptionGroup::TOptionGroup(const QString& Caption, const QStringList& Items, int Columns,
                           QWidget* Parent)
    : TRoundedGroupBox(Caption, Parent), FColumns(Columns < 1 ? 1 : Columns) {
    for (int Index = 0; Index < Items.size(); ++Index) {
        auto* Option = new QRadioButton(Items[Index], this);
        // The group keeps the choice itself, so the buttons are not auto-exclusive: that
        // lets "nothing chosen" be shown again after a choice.
        Option->setAutoExclusive(false);
        connect(Option, &QRadioButton::clicked, this, [this, Index] {
            if (FItemIndex == Index) {
                ShowChoice();
                return;
            }
            SetItemIndex(Index);
        });
        FButtons.push_back(Option);
    }
    LayOut();
}

void TOptionGroup::SetItemIndex(int Index) {
    if (Index < -1 || Index >= Count()) {
        Index = -1;
    }
    if (Index == FItemIndex) {
        return;
    }
    FItemIndex = Index;
    ShowChoice();
    emit Changed(FItemIndex);
}

void TOptionGroup::ShowChoice() {
    for (int Index = 0; Index < Count(); ++Index) {
        FButtons[static_cast<size_t>(Index)]->setChecked(Index == FItemIndex);
    }
}

void TOptionGroup::resizeEvent(QResizeEvent* Event) {
    TRoundedGroupBox::resizeEvent(Event);
    LayOut();
}

void TOptionGroup::LayOut() {
    if (FButtons.empty()) {
        return;
    }
    const int Rows = (Count() + FColumns - 1) / FColumns;
    const int Top = fontMetrics().height() + 4;
    const int Inner = width() - 16;
    const int CellWidth = Inner / FColumns;
    const int CellHeight = (height() - Top - 6) / Rows;
    for (int Index = 0; Index < Count(); ++Index) {
        const int Column = Index / Rows;
        const int Row = Index % Rows;
        FButtons[static_cast<size_t>(Index)]->setGeometry(
            8 + Column * CellWidth, Top + Row * CellHeight, CellWidth, CellHeight);
    }
}
