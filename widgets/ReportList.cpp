#include "widgets/ReportList.h"

#include <QHeaderView>

TReportList::TReportList(const std::vector<TColumn>& Columns, const QColor& Background,
                         QWidget* Parent)
    : QTreeWidget(Parent) {
    setColumnCount(static_cast<int>(Columns.size()));
    QStringList Captions;
    for (const TColumn& Column : Columns) {
        Captions << Column.first;
    }
    setHeaderLabels(Captions);
    for (int Index = 0; Index < columnCount(); ++Index) {
        setColumnWidth(Index, Columns[static_cast<size_t>(Index)].second);
    }
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    header()->setHighlightSections(false);
    setFrameShape(QFrame::Box);
    setStyleSheet(
        QStringLiteral("QTreeWidget { background: %1; border: 1px solid #8EA4B8; }"
                       "QTreeWidget::item { padding: 2px 0px; }"
                       "QHeaderView::section { background: #E8EEF3; border: none;"
                       " border-right: 1px solid #C5D0DA; border-bottom: 1px solid #8EA4B8;"
                       " padding: 2px 4px; }"
                       "QScrollBar:vertical, QScrollBar:horizontal { background: #E8EEF3;"
                       " border: none; width: 12px; height: 12px; }"
                       "QScrollBar::handle { background: #B7C4CF; min-width: 16px;"
                       " min-height: 16px; }"
                       "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; }")
            .arg(Background.name()));
}

QTreeWidgetItem* TReportList::AddRow(const QStringList& Cells) {
    auto* Item = new QTreeWidgetItem(this);
    for (int Index = 0; Index < columnCount(); ++Index) {
        Item->setText(Index, Index < Cells.size() ? Cells[Index] : QString());
    }
    Item->setFlags(Item->flags() | Qt::ItemIsEditable);
    return Item;
}

QStringList TReportList::Row(int Row) const {
    QStringList Cells;
    const QTreeWidgetItem* Item = topLevelItem(Row);
    for (int Index = 0; Item != nullptr && Index < columnCount(); ++Index) {
        Cells << Item->text(Index);
    }
    return Cells;
}

int TReportList::SelectedRow() const {
    const QList<QTreeWidgetItem*> Selected = selectedItems();
    return Selected.isEmpty() ? -1 : indexOfTopLevelItem(Selected.first());
}
