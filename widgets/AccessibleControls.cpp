#include "widgets/AccessibleControls.h"

#include "widgets/MonthGrid.h"
#include "widgets/Spinner.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

// A header or day cell of the month grid; header cells sit in grid row 0.
class TGridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TGridCellAccessible(TMonthGrid* Grid, int Col, int Row) : FGrid(Grid), FCol(Col), FRow(Row) {}

    bool isValid() const override { return !FGrid.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return FGrid->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(FGrid.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text Kind) const override {
        if (Kind != QAccessible::Name)
            return {};
        return Header() ? FGrid->Cell(FCol, FRow) : FGrid->CellName(FCol, FRow);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect Area = FGrid->CellRect(FCol, FRow);
        return QRect(FGrid->mapToGlobal(Area.topLeft()), Area.size());
    }
    QAccessible::Role role() const override {
        return Header() ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State State;
        if (Header())
            return State;
        State.selectable = true;
        State.focusable = true;
        State.selected = isSelected();
        State.focused = State.selected && FGrid->hasFocus();
        State.invisible = !FGrid->isVisible();
        return State;
    }
    void* interface_cast(QAccessible::InterfaceType Type) override {
        return Type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        return !Header() && FGrid->SelectedCol() == FCol && FGrid->SelectedRow() == FRow;
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return FCol; }
    int rowIndex() const override { return Header() ? -1 : FRow - FGrid->FixedRows(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    bool Header() const { return FRow < FGrid->FixedRows(); }

    QPointer<TMonthGrid> FGrid;
    int FCol;
    int FRow;
};

// The grid as a table: its children are the header cells, then the day cells row by row.
class TMonthGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TMonthGridAccessible(TMonthGrid* Grid) : QAccessibleWidget(Grid, QAccessible::Table) {}

    ~TMonthGridAccessible() override {
        for (const QAccessible::Id Id : std::as_const(FCells))
            QAccessible::deleteAccessibleInterface(Id);
    }

    void* interface_cast(QAccessible::InterfaceType Type) override {
        if (Type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(Type);
    }

    int childCount() const override { return Grid()->ColCount() * Grid()->RowCount(); }
    QAccessibleInterface* child(int Index) const override {
        if (Index < 0 || Index >= childCount())
            return nullptr;
        return Cell(Index % Grid()->ColCount(), Index / Grid()->ColCount());
    }
    int indexOfChild(const QAccessibleInterface* Child) const override {
        const QAccessible::Id Id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(Child));
        for (auto It = FCells.cbegin(); It != FCells.cend(); ++It)
            if (It.value() == Id)
                return It.key();
        return -1;
    }
    QAccessibleInterface* childAt(int X, int Y) const override {
        const QPoint At = Grid()->mapFromGlobal(QPoint(X, Y));
        for (int Row = 0; Row < Grid()->RowCount(); ++Row)
            for (int Col = 0; Col < Grid()->ColCount(); ++Col)
                if (Grid()->CellRect(Col, Row).contains(At))
                    return Cell(Col, Row);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return Grid()->hasFocus() ? Cell(Grid()->SelectedCol(), Grid()->SelectedRow()) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int Row, int Column) const override {
        const int GridRow = Row + Grid()->FixedRows();
        if (Column < 0 || Column >= columnCount() || Row < 0 || GridRow >= Grid()->RowCount())
            return nullptr;
        return Cell(Column, GridRow);
    }
    QString columnDescription(int Column) const override { return Grid()->Cell(Column, 0); }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return Grid()->ColCount(); }
    int rowCount() const override { return Grid()->RowCount() - Grid()->FixedRows(); }
    int selectedCellCount() const override { return 1; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        return {Cell(Grid()->SelectedCol(), Grid()->SelectedRow())};
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    QAccessibleInterface* Cell(int Col, int Row) const {
        const int Index = Row * Grid()->ColCount() + Col;
        const auto Found = FCells.constFind(Index);
        if (Found != FCells.cend())
            return QAccessible::accessibleInterface(Found.value());
        auto* Made = new TGridCellAccessible(Grid(), Col, Row);
        FCells.insert(Index, QAccessible::registerAccessibleInterface(Made));
        return Made;
    }

private:
    TMonthGrid* Grid() const { return static_cast<TMonthGrid*>(widget()); }

    mutable QHash<int, QAccessible::Id> FCells;
};

QList<QAccessibleInterface*> TGridCellAccessible::columnHeaderCells() const {
    const auto* Table = static_cast<TMonthGridAccessible*>(parent());
    return {Table->Cell(FCol, 0)};
}

class TSpinnerAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TSpinnerAccessible(TSpinner* Spinner)
        : QAccessibleWidget(Spinner, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType Type) override {
        if (Type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(Type);
    }
    QString text(QAccessible::Text Kind) const override {
        if (Kind == QAccessible::Value)
            return QString::number(Spinner()->Value());
        return QAccessibleWidget::text(Kind);
    }

    QVariant currentValue() const override { return Spinner()->Value(); }
    void setCurrentValue(const QVariant& Value) override { Spinner()->SetValue(Value.toInt()); }
    QVariant maximumValue() const override { return Spinner()->Max(); }
    QVariant minimumValue() const override { return Spinner()->Min(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    TSpinner* Spinner() const { return static_cast<TSpinner*>(widget()); }
};

QAccessibleInterface* ControlAccessible(const QString& ClassName, QObject* Object) {
    if (ClassName == QLatin1String("TMonthGrid"))
        return new TMonthGridAccessible(static_cast<TMonthGrid*>(Object));
    if (ClassName == QLatin1String("TSpinner"))
        return new TSpinnerAccessible(static_cast<TSpinner*>(Object));
    return nullptr;
}

} // namespace

void InstallControlAccessibility() {
    static const bool Installed = [] {
        QAccessible::installFactory(ControlAccessible);
        return true;
    }();
    (void)Installed;
}
