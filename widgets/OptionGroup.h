#pragma once

// A rounded group of round option buttons, filled column by column (with four items in two
// columns the left column holds items 0 and 1). At most one item is chosen; -1 means none.

#include "widgets/RoundedGroupBox.h"

#include <QStringList>
#include <vector>

class QRadioButton;

class TOptionGroup : public TRoundedGroupBox {
    Q_OBJECT

public:
    TOptionGroup(const QString& Caption, const QStringList& Items, int Columns,
                 QWidget* Parent = nullptr);

    int ItemIndex() const { return FItemIndex; }
    // Chooses an item (-1 for none, other values out of range are taken as -1); emits
    // Changed when the choice differs from the current one.
    void SetItemIndex(int Index);
    int Count() const { return static_cast<int>(FButtons.size()); }
    QRadioButton* Button(int Index) const { return FButtons.at(static_cast<size_t>(Index)); }

signals:
    // The choice changed, by the user or by SetItemIndex.
    void Changed(int Index);

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    void LayOut();
    void ShowChoice();

    int FColumns;
    int FItemIndex = -1;
    std::vector<QRadioButton*> FButtons;
};
