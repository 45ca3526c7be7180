#include "widgets/MonthGrid.h"

#include "widgets/AccessibleControls.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int DefaultColWidth = 64;
constexpr int DefaultRowHeight = 27;
// The mark: one character 9 pixels high on a small light plate in the cell's top right
// corner, clear of the centred lines of text.
constexpr int MarkSize = 10;
constexpr int MarkInset = 1;
constexpr int MarkFontPixels = 9;

QRect MarkArea(const QRect& Cell) {
    return QRect(Cell.right() + 1 - MarkInset - MarkSize, Cell.top() + MarkInset, MarkSize,
                 MarkSize);
}

} // namespace

TMonthGrid::TMonthGrid(int ColCount, int RowCount, int FixedRows, QWidget* Parent)
    : QWidget(Parent), FColCount(ColCount), FRowCount(RowCount), FFixedRows(FixedRows),
      FColWidths(ColCount, DefaultColWidth), FRowHeights(RowCount, DefaultRowHeight),
      FCells(static_cast<std::size_t>(ColCount * RowCount)), FSelRow(FixedRows) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallControlAccessibility();
}

void TMonthGrid::SetColWidth(int Col, int Width) {
    FColWidths[Col] = Width;
    update();
}

void TMonthGrid::SetRowHeight(int Row, int Height) {
    FRowHeights[Row] = Height;
    update();
}

QRect TMonthGrid::CellRect(int Col, int Row) const {
    int Left = 0;
    for (int C = 0; C < Col; ++C)
        Left += FColWidths[C];
    int Top = 0;
    for (int R = 0; R < Row; ++R)
        Top += FRowHeights[R];
    return QRect(Left, Top, FColWidths[Col], FRowHeights[Row]);
}

void TMonthGrid::SetCell(int Col, int Row, const QString& Text) {
    FCells[Index(Col, Row)].Text = Text;
}

void TMonthGrid::SetCellColor(int Col, int Row, const QColor& Color) {
    FCells[Index(Col, Row)].Color = Color;
}

void TMonthGrid::ClearCellColors(int FromRow) {
    for (int Row = FromRow; Row < FRowCount; ++Row)
        for (int Col = 0; Col < FColCount; ++Col)
            FCells[Index(Col, Row)].Color = QColor();
}

void TMonthGrid::SetCellMark(int Col, int Row, const QString& Mark, const QColor& Color) {
    TCell& Cell = FCells[Index(Col, Row)];
    Cell.Mark = Mark;
    Cell.MarkColor = Color;
}

QRect TMonthGrid::MarkRect(int Col, int Row) const {
    return MarkArea(CellRect(Col, Row));
}

bool TMonthGrid::CellAt(const QPoint& At, int& Col, int& Row) const {
    for (Row = FFixedRows; Row < FRowCount; ++Row)
        for (Col = 0; Col < FColCount; ++Col)
            if (CellRect(Col, Row).contains(At))
                return true;
    return false;
}

void TMonthGrid::SetSelected(int Col, int Row) {
    FSelCol = std::clamp(Col, 0, FColCount - 1);
    FSelRow = std::clamp(Row, FFixedRows, FRowCount - 1);
    update();
    if (hasFocus())
        AnnounceSelected();
}

QString TMonthGrid::CellName(int Col, int Row) const {
    if (FOnName)
        return FOnName(Col, Row);
    return Cell(Col, Row).split(QChar(u'\r'), Qt::SkipEmptyParts).join(QChar(u' '));
}

void TMonthGrid::AnnounceSelected() {
    QAccessibleEvent Focus(this, QAccessible::Focus);
    Focus.setChild(Index(FSelCol, FSelRow));
    QAccessible::updateAccessibility(&Focus);
}

void TMonthGrid::focusInEvent(QFocusEvent* Event) {
    QWidget::focusInEvent(Event);
    update();
    AnnounceSelected();
}

void TMonthGrid::focusOutEvent(QFocusEvent* Event) {
    QWidget::focusOutEvent(Event);
    update();
}

void TMonthGrid::SetBackground(const QPixmap& Picture) {
    FBackground = Picture;
    update();
}

void TMonthGrid::SetHeaderGradient(const QColor& Top, const QColor& Bottom) {
    FHeaderTop = Top;
    FHeaderBottom = Bottom;
    update();
}

void TMonthGrid::DrawCellText(QPainter& Painter, const QRect& Area, const QString& Text) const {
    if (Text.isEmpty())
        return;
    // Every line keeps its own place, so the day numbers line up whether or not a cell
    // has a third line.
    const QStringList Lines = Text.split(QChar(u'\r'));
    const int LineHeight = QFontMetrics(Painter.font()).height();
    int Top = Area.top() + (Area.height() - LineHeight * 3) / 2;
    for (const QString& Line : Lines) {
        Painter.drawText(QRect(Area.left(), Top, Area.width(), LineHeight), Qt::AlignCenter, Line);
        Top += LineHeight;
    }
}

void TMonthGrid::DrawCellMark(QPainter& Painter, const QRect& Area, const TCell& Cell) const {
    if (Cell.Mark.isEmpty())
        return;
    const QRect Plate = MarkArea(Area);
    Painter.save();
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setPen(Qt::NoPen);
    Painter.setBrush(QColor(255, 255, 255, 210));
    Painter.drawRoundedRect(QRectF(Plate), 2, 2);
    QFont Font = FCellFont;
    Font.setPixelSize(MarkFontPixels);
    Font.setBold(true);
    Painter.setFont(Font);
    Painter.setPen(Cell.MarkColor);
    Painter.drawText(Plate, Qt::AlignCenter, Cell.Mark);
    Painter.restore();
}

bool TMonthGrid::event(QEvent* Event) {
    if (Event->type() != QEvent::ToolTip)
        return QWidget::event(Event);
    const auto* Help = static_cast<QHelpEvent*>(Event);
    int Col = 0;
    int Row = 0;
    const QString Text =
        FOnToolTip && CellAt(Help->pos(), Col, Row) ? FOnToolTip(Col, Row) : QString();
    if (Text.isEmpty()) {
        QToolTip::hideText();
        Event->ignore();
    } else {
        QToolTip::showText(Help->globalPos(), Text, this, CellRect(Col, Row));
    }
    return true;
}

void TMonthGrid::paintEvent(QPaintEvent*) {
    QPainter Painter(this);
    Painter.fillRect(rect(), palette().color(QPalette::Base));

    if (!FBackground.isNull()) {
        Painter.drawPixmap(0, 0, FBackground);
        // The picture's lowest line carries on under the rows, down to the grid's foot.
        const QSize Size = FBackground.deviceIndependentSize().toSize();
        if (Size.height() < height())
            Painter.drawPixmap(QRect(0, Size.height(), Size.width(), height() - Size.height()),
                               FBackground,
                               QRect(0, FBackground.height() - 1, FBackground.width(), 1));
    }

    const QColor Text = palette().color(QPalette::WindowText);
    for (int Row = 0; Row < FRowCount; ++Row) {
        for (int Col = 0; Col < FColCount; ++Col) {
            const QRect Area = CellRect(Col, Row);
            if (FOnDrawCell)
                FOnDrawCell(Col, Row, Area);
            const TCell& Cell = FCells[Index(Col, Row)];
            if (Row < FFixedRows) {
                if (Cell.Color.isValid()) {
                    Painter.fillRect(Area, Cell.Color);
                } else {
                    QLinearGradient Fill(Area.topLeft(), Area.bottomLeft());
                    Fill.setColorAt(0, FHeaderTop);
                    Fill.setColorAt(1, FHeaderBottom);
                    Painter.fillRect(Area, Fill);
                }
                Painter.setPen(FHeaderLine);
                Painter.drawLine(Area.bottomLeft(), Area.bottomRight());
                if (Col + 1 < FColCount)
                    Painter.drawLine(Area.topRight(), Area.bottomRight());
                Painter.setPen(Text);
                Painter.setFont(FHeaderFont);
                Painter.drawText(Area, Qt::AlignCenter, Cell.Text);
                continue;
            }
            if (Cell.Color.isValid())
                Painter.fillRect(Area, Cell.Color);
            else if (Col == FSelCol && Row == FSelRow)
                Painter.fillRect(Area, FSelectionColor);
            Painter.setPen(Text);
            Painter.setFont(FCellFont);
            DrawCellText(Painter, Area, Cell.Text);
            DrawCellMark(Painter, Area, Cell);
        }
    }
    if (hasFocus()) {
        // The focus mark: a dotted frame inside the selected cell, over a today mark too.
        Painter.setPen(QPen(Text, 1, Qt::DotLine));
        Painter.setBrush(Qt::NoBrush);
        Painter.drawRect(CellRect(FSelCol, FSelRow).adjusted(2, 2, -3, -3));
    }
}

void TMonthGrid::mousePressEvent(QMouseEvent* Event) {
    setFocus(Qt::MouseFocusReason);
    int Col = 0;
    int Row = 0;
    if (CellAt(Event->position().toPoint(), Col, Row))
        SetSelected(Col, Row);
}

void TMonthGrid::keyPressEvent(QKeyEvent* Event) {
    if (FOnKey && FOnKey(Event->key())) {
        Event->accept();
        return;
    }
    switch (Event->key()) {
    case Qt::Key_Left:
        SetSelected(FSelCol - 1, FSelRow);
        break;
    case Qt::Key_Right:
        SetSelected(FSelCol + 1, FSelRow);
        break;
    case Qt::Key_Up:
        SetSelected(FSelCol, FSelRow - 1);
        break;
    case Qt::Key_Down:
        SetSelected(FSelCol, FSelRow + 1);
        break;
    default:
        QWidget::keyPressEvent(Event);
        return;
    }
    Event->accept();
}
