#pragma once

// A list in report style: named columns of fixed widths under a flat header, whole rows
// selected, one row of texts per item. Cells can be edited in place by a second click or F2.

#include <QStringList>
#include <QTreeWidget>

#include <utility>
#include <vector>

class TReportList : public QTreeWidget {
    Q_OBJECT

public:
    using TColumn = std::pair<QString, int>; // caption and width in pixels

    TReportList(const std::vector<TColumn>& Columns, const QColor& Background,
                QWidget* Parent = nullptr);

    // Appends a row; missing texts are left empty.
    QTreeWidgetItem* AddRow(const QStringList& Cells);
    // The texts of row Row, one per column.
    QStringList Row(int Row) const;
    int RowCount() const { return topLevelItemCount(); }
    // The selected row's index, or -1.
    int SelectedRow() const;
};
