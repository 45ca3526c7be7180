#include "notes/windows/UNoteAdd.h"

#include "common/ErrorReport.h"
#include "common/SecondaryWindow.h"
#include "common/WindowReferences.h"
#include "notes/NotesError.h"
#include "notes/UNotesFile.h"
#include "notes/windows/DialogLook.h"
#include "notes/windows/EnsureNotesFile.h"
#include "notes/windows/NoteEditing.h"
#include "notes/windows/NotePopupEvents.h"
#include "notes/windows/NotesReport.h"
#include "notes/windows/TodayPopup.h"
#include "notes/windows/UNoteList.h"
#include "platform/Clock.h"
#include "widgets/GlassButton.h"
#include "widgets/GradientPanel.h"
#include "widgets/ReportList.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>

#include <string>
#include <vector>

namespace {

// The blue right-pointing arrow that moves the entered note into the list.
class TArrowPicture : public QAbstractButton {
public:
    explicit TArrowPicture(QWidget* Parent) : QAbstractButton(Parent) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter Painter(this);
        Painter.setRenderHint(QPainter::Antialiasing);
        const qreal W = width();
        const qreal H = height();
        QPainterPath Arrow;
        Arrow.moveTo(1, H * 0.32);
        Arrow.lineTo(W * 0.5, H * 0.32);
        Arrow.lineTo(W * 0.5, 1);
        Arrow.lineTo(W - 1, H / 2);
        Arrow.lineTo(W * 0.5, H - 1);
        Arrow.lineTo(W * 0.5, H * 0.68);
        Arrow.lineTo(1, H * 0.68);
        Arrow.closeSubpath();
        QLinearGradient Fill(0, 0, 0, H);
        Fill.setColorAt(0, isDown() ? QColor(0x1C, 0x5F, 0xC4) : QColor(0x5A, 0xA8, 0xFF));
        Fill.setColorAt(1, QColor(0x0B, 0x3F, 0x9A));
        Painter.setPen(QPen(QColor(0x0A, 0x2F, 0x70), 1));
        Painter.setBrush(Fill);
        Painter.drawPath(Arrow);
    }
};

QLabel* Caption(QWidget* Parent, const QString& Text, const QRect& Place) {
    auto* Label = new QLabel(Text, Parent);
    Label->setGeometry(Place);
    return Label;
}

} // namespace

TfrmNoteAdd::TfrmNoteAdd(QWidget* Parent) : TSecondaryDialog(Parent, DialogFlags) {
    W7Panel1 = SetUpDialog(this, QStringLiteral("便签维护"), QSize(552, 269));

    Label1 = Caption(W7Panel1, QStringLiteral("标题"), QRect(16, 24, 33, 13));
    ceTitle = new QLineEdit(W7Panel1);
    ceTitle->setGeometry(59, 16, 202, 24);
    ceTitle->setAccessibleName(QStringLiteral("标题"));

    Label2 = Caption(W7Panel1, QStringLiteral("时间"), QRect(16, 56, 33, 13));
    ccTime = new QComboBox(W7Panel1);
    ccTime->setGeometry(59, 52, 146, 24);
    ccTime->setAccessibleName(QStringLiteral("时间"));
    ccTime->setEditable(true);
    ccTime->setInsertPolicy(QComboBox::NoInsert);
    ccTime->setMaxVisibleItems(24);

    aockHint = new QCheckBox(QStringLiteral("提醒"), W7Panel1);
    aockHint->setGeometry(214, 54, 49, 20);

    Label3 = Caption(W7Panel1, QStringLiteral("内容"), QRect(16, 88, 33, 13));
    cmContent = new QPlainTextEdit(W7Panel1);
    cmContent->setGeometry(59, 88, 202, 121);
    cmContent->setAccessibleName(QStringLiteral("内容"));

    Image1 = new TArrowPicture(W7Panel1);
    Image1->setGeometry(261, 96, 14, 16);
    Image1->setAccessibleName(QStringLiteral("添加到列表"));
    connect(Image1, &QAbstractButton::clicked, this, &TfrmNoteAdd::Image1Click);

    Bevel2 = Bevel(W7Panel1, QFrame::VLine, QRect(275, 12, 2, 201));

    alvNotes = NotesReportList(W7Panel1, 80, 200);
    alvNotes->setGeometry(280, 16, 261, 193);
    alvNotes->setAccessibleName(QStringLiteral("便签列表"));
    connect(alvNotes, &QTreeWidget::itemSelectionChanged, this, &TfrmNoteAdd::alvNotesSelectItem);

    PopupMenu1 = new QMenu(this);
    N1 = PopupMenu1->addAction(QStringLiteral("删除"));
    connect(N1, &QAction::triggered, this, &TfrmNoteAdd::N1Click);
    alvNotes->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(alvNotes, &QWidget::customContextMenuRequested, this, [this](const QPoint& Where) {
        PopupMenu1->popup(alvNotes->viewport()->mapToGlobal(Where));
    });

    Bevel1 = Bevel(W7Panel1, QFrame::HLine, QRect(10, 217, 532, 2));

    advOK = new TGlassButton(QStringLiteral("确   定"), W7Panel1);
    advOK->setGeometry(371, 227, 81, 28);
    connect(advOK, &QAbstractButton::clicked, this, &TfrmNoteAdd::advOKClick);
    advClose = new TGlassButton(QStringLiteral("退   出"), W7Panel1);
    advClose->setGeometry(463, 227, 81, 28);
    connect(advClose, &QAbstractButton::clicked, this, &TfrmNoteAdd::advCloseClick);

    setTabOrder(ceTitle, alvNotes);
    setTabOrder(alvNotes, ccTime);
    setTabOrder(ccTime, aockHint);
    setTabOrder(aockHint, cmContent);
    setTabOrder(cmContent, advOK);
    setTabOrder(advOK, advClose);
}

TfrmNoteAdd::~TfrmNoteAdd() {
    FormClose();
}

void TfrmNoteAdd::FormShow() {
    TakeMainWindowOpacity(this);
    CentreOnMainWindow(this);
    ceTitle->setFocus();

    ccTime->clear();
    ccTime->addItems(HourEntries(platform::Now()));
    ccTime->setCurrentIndex(-1);
    ccTime->setEditText(QString());

    const std::string FileName = notes::NotesFileName();
    EnsureNotesFile(FileName);
    ShowNotes(alvNotes, notes::LoadNotes(FileName, true).Notes);
    // A file that reads but could never be saved back is told now, before any typing.
    const std::string Unwritable = notes::UnwritablePartOf(FileName);
    if (!Unwritable.empty()) {
        ReportError(QString::fromStdString(Unwritable));
    }
}

void TfrmNoteAdd::alvNotesSelectItem() {
    const int Row = alvNotes->SelectedRow();
    if (Row < 0) {
        return;
    }
    const QStringList Cells = alvNotes->Row(Row);
    ceTitle->setText(Cells[0]);
    ccTime->setEditText(Cells[1]);
    const notes::TReminder Reminder = notes::TReminder::FromText(Cells[2].toStdString());
    if (Reminder.Known()) {
        aockHint->setChecked(Reminder.On());
    }
    cmContent->setPlainText(Cells[3]);
}

void TfrmNoteAdd::Image1Click() {
    const QString Title = WithoutNonXmlCharacters(ceTitle->text());
    if (Title.isEmpty()) {
        QMessageBox Warning(QMessageBox::Warning, QStringLiteral("警告"),
                            QStringLiteral("标题不能为空！"), QMessageBox::Ok, this);
        Warning.exec();
        return;
    }
    QTreeWidgetItem* Found = nullptr;
    for (int Row = 0; Row < alvNotes->RowCount() && Found == nullptr; ++Row) {
        if (SameTitle(alvNotes->topLevelItem(Row)->text(0), Title)) {
            Found = alvNotes->topLevelItem(Row);
        }
    }
    const QString Content = WithoutNonXmlCharacters(JoinLines(cmContent->toPlainText()));
    const QString When = WithoutNonXmlCharacters(ccTime->currentText());
    const QString Remind = QString::fromStdString(notes::TReminder(aockHint->isChecked()).Text());
    if (Found == nullptr) {
        alvNotes->AddRow({Title, When, Remind, Content});
        return;
    }
    Found->setText(1, When);
    Found->setText(2, Remind);
    Found->setText(3, Content);
}

void TfrmNoteAdd::N1Click() {
    const int Row = alvNotes->SelectedRow();
    if (Row < 0) {
        return;
    }
    const std::string FileName = notes::NotesFileName();
    try {
        notes::DeleteNote(FileName, alvNotes->topLevelItem(Row)->text(0).toStdString());
    } catch (const notes::ENotesError& Failure) {
        ReportError(Failure);
        return;
    }
    delete alvNotes->takeTopLevelItem(Row);
    if (frmNoteList != nullptr) {
        frmNoteList->LoadTodayNotes(FileName);
    }
}

void TfrmNoteAdd::advOKClick() {
    const std::string FileName = notes::NotesFileName();
    if (!EnsureNotesFile(FileName)) {
        return;
    }
    notes::TNotes Notes;
    for (int Row = 0; Row < alvNotes->RowCount(); ++Row) {
        // Cells edited in place are taken as typed, less what XML cannot hold.
        const QStringList Cells = alvNotes->Row(Row);
        const auto Cell = [&](int Column) {
            return WithoutNonXmlCharacters(Cells[Column]).toStdString();
        };
        Notes.push_back({Cell(0), Cell(1), notes::TReminder::FromText(Cell(2)), Cell(3)});
    }
    try {
        notes::SaveTodayNotes(FileName, Notes);
    } catch (const std::exception& Failure) {
        ReportError(Failure);
        return;
    }
    // A new popup reads today's notes as it is made; an open one reads them again.
    const bool Open = frmNoteList != nullptr;
    TfrmNoteList& Popup = ShowTodayPopup();
    if (Open) {
        Popup.LoadTodayNotes(FileName);
    }
    emit NotePopupEvents().PopupShown();
    accept();
}

void TfrmNoteAdd::advCloseClick() {
    reject();
}

void TfrmNoteAdd::FormClose() {
    ClearReference(frmNoteAdd, this);
}
