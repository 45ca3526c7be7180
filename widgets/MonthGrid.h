#pragma once

// A read-only grid of text cells with owner drawing: fixed header rows drawn with a
// vertical gradient and header lines, a background picture behind the other cells, a
// colour of its own per cell, one selected cell, and cell texts whose lines are separated
// by carriage returns and centred horizontally. Before each cell is drawn the draw-cell
// handler is called with the cell, so it can still change the cell's colour. A cell can
// carry a small mark of one character in its top right corner, and the tooltip handler
// gives the text shown when the pointer rests on a cell. For screen readers the grid is a table
// under its header row; the name handler names each cell, and the focus follows the selected
// cell.

#include "widgets/WindowLook.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;

class TMonthGrid : public QWidget {
    Q_OBJECT

public:
    using DrawCellHandler = std::function<void(int Col, int Row, const QRect& Area)>;
    // An empty text shows no tooltip.
    using ToolTipHandler = std::function<QString(int Col, int Row)>;
    // Given the navigation keys (arrows, Page Up, Page Down, Home) before the grid moves the
    // selection by itself within its cells; true when the handler took the key.
    using KeyHandler = std::function<bool(int Key)>;
    // The name a screen reader gives a cell; empty for none.
    using NameHandler = std::function<QString(int Col, int Row)>;

    TMonthGrid(int ColCount, int RowCount, int FixedRows, QWidget* Parent = nullptr);

    int ColCount() const { return FColCount; }
    int RowCount() const { return FRowCount; }
    int FixedRows() const { return FFixedRows; }

    void SetColWidth(int Col, int Width);
    void SetRowHeight(int Row, int Height);
    int ColWidth(int Col) const { return FColWidths[Col]; }
    int RowHeight(int Row) const { return FRowHeights[Row]; }
    QRect CellRect(int Col, int Row) const;

    void SetCell(int Col, int Row, const QString& Text);
    QString Cell(int Col, int Row) const { return FCells[Index(Col, Row)].Text; }
    // An invalid colour takes the cell's own colour off.
    void SetCellColor(int Col, int Row, const QColor& Color);
    QColor CellColor(int Col, int Row) const { return FCells[Index(Col, Row)].Color; }
    void ClearCellColors(int FromRow);
    // An empty mark takes the cell's mark off.
    void SetCellMark(int Col, int Row, const QString& Mark, const QColor& Color);
    QString CellMark(int Col, int Row) const { return FCells[Index(Col, Row)].Mark; }
    QColor CellMarkColor(int Col, int Row) const { return FCells[Index(Col, Row)].MarkColor; }
    // The area the mark of a cell takes, inside the cell's top right corner.
    QRect MarkRect(int Col, int Row) const;

    // The selection is one cell, never a fixed one.
    void SetSelected(int Col, int Row);
    int SelectedCol() const { return FSelCol; }
    int SelectedRow() const { return FSelRow; }

    void SetBackground(const QPixmap& Picture);
    const QPixmap& Background() const { return FBackground; }
    void SetSelectionColor(const QColor& Color) { FSelectionColor = Color; }
    void SetHeaderGradient(const QColor& Top, const QColor& Bottom);
    void SetHeaderLineColor(const QColor& Color) { FHeaderLine = Color; }
    void SetHeaderFont(const QFont& Font) { FHeaderFont = Font; }
    void SetCellFont(const QFont& Font) { FCellFont = Font; }
    void SetDrawCellHandler(DrawCellHandler Handler) { FOnDrawCell = std::move(Handler); }
    void SetToolTipHandler(ToolTipHandler Handler) { FOnToolTip = std::move(Handler); }
    void SetKeyHandler(KeyHandler Handler) { FOnKey = std::move(Handler); }
    void SetNameHandler(NameHandler Handler) { FOnName = std::move(Handler); }
    // The cell's name by the name handler, or else its lines joined by blanks.
    QString CellName(int Col, int Row) const;
    // The cell under a point of the grid; false for a fixed row or outside every cell.
    bool CellAt(const QPoint& At, int& Col, int& Row) const;

protected:
    bool event(QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    struct TCell {
        QString Text;
        QColor Color;
        QString Mark;
        QColor MarkColor;
    };
    int Index(int Col, int Row) const { return Row * FColCount + Col; }
    void DrawCellText(QPainter& Painter, const QRect& Area, const QString& Text) const;
    void DrawCellMark(QPainter& Painter, const QRect& Area, const TCell& Cell) const;
    // Tells a screen reader that the selected cell has the focus.
    void AnnounceSelected();

    int FColCount;
    int FRowCount;
    int FFixedRows;
    std::vector<int> FColWidths;
    std::vector<int> FRowHeights;
    std::vector<TCell> FCells;
    int FSelCol = 0;
    int FSelRow = 1;
    QPixmap FBackground;
    QColor FSelectionColor{0xF1, 0xC1, 0x5E};
    QColor FHeaderTop{0xF6, 0xF9, 0xFB};
    QColor FHeaderBottom{0xD2, 0xDB, 0xE8};
    QColor FHeaderLine = PanelShade;
    QFont FHeaderFont;
    QFont FCellFont;
    DrawCellHandler FOnDrawCell;
    ToolTipHandler FOnToolTip;
    KeyHandler FOnKey;
    NameHandler FOnName;
};
