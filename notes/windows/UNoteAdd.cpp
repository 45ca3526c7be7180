#include "notes/windows/UNoteAdd.h"

#include "common/ErrorReport.h"
#include "common/SecondaryWindow.h"
#include "common/WindowReferences.h"
#include "notes/NotesError.h"
#include "notes/NotesReading.h"
#include "notes/UNoteSettings.h"
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
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>

#include <optional>
#include <string>
#include <vector>

namespace {

// The blue right-pointing arrow that moves the entered note into the list.
class TArrowPicture : public QAbstractButton {
public:
    explicit TArrowPicture(QWidget* Parent) : QAbstractButton(Parent) {
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
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
        if (hasFocus()) {
            Painter.setPen(QPen(QColor(0x0A, 0x2F, 0x70), 1, Qt::DotLine));
            Painter.setBrush(Qt::NoBrush);
            Painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        }
    }

    // Enter on the focused arrow presses it, as Space does.
    void keyPressEvent(QKeyEvent* Event) override {
        if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
            animateClick();
            return;
        }
        QAbstractButton::keyPressEvent(Event);
    }
};

QLabel* Caption(QWidget* Parent, const QString& Text, const QRect& Place) {
    auto* Label = new QLabel(Text, Parent);
    Label->setGeometry(Place);
    return Label;
}

} // namespace

TfrmNoteAdd::TfrmNoteAdd(QWidget* Parent) : TSecondaryDialog(Parent, DialogFlags) {
    W7Panel1 = SetUpDialog(this, QStringLiteral("便签维护"), QSize(552, 301));

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
    ccTime->lineEdit()->setPlaceholderText(QStringLiteral("不定时间"));
    ccTime->setToolTip(QStringLiteral("选一个整点，或输入任意分钟，例如 09:30；留空为不定时间"));

    aockHint = new QCheckBox(QStringLiteral("提醒"), W7Panel1);
    aockHint->setGeometry(214, 54, 49, 20);

    lblRepeat = Caption(W7Panel1, QStringLiteral("重复"), QRect(16, 92, 33, 13));
    ccRepeat = new QComboBox(W7Panel1);
    ccRepeat->setGeometry(59, 88, 86, 24);
    ccRepeat->addItems(RepeatChoices());
    lblRepeat->setBuddy(ccRepeat);
    ccRepeat->setAccessibleName(QStringLiteral("重复"));

    lblAdvance = Caption(W7Panel1, QStringLiteral("提前"), QRect(153, 92, 25, 13));
    ccAdvance = new QComboBox(W7Panel1);
    ccAdvance->setGeometry(181, 88, 80, 24);
    for (const int Minutes : AdvanceChoices()) {
        ccAdvance->addItem(AdvanceName(Minutes), Minutes);
    }
    ccAdvance->setToolTip(QStringLiteral("提醒比便签的时间提前多久到来"));
    lblAdvance->setBuddy(ccAdvance);
    ccAdvance->setAccessibleName(QStringLiteral("提前"));

    Label3 = Caption(W7Panel1, QStringLiteral("内容"), QRect(16, 124, 33, 13));
    cmContent = new QPlainTextEdit(W7Panel1);
    cmContent->setGeometry(59, 124, 202, 117);
    cmContent->setAccessibleName(QStringLiteral("内容"));
    // The content is one line once added: Tab goes on to the arrow, not into the text.
    cmContent->setTabChangesFocus(true);

    Image1 = new TArrowPicture(W7Panel1);
    Image1->setGeometry(261, 132, 14, 16);
    Image1->setAccessibleName(QStringLiteral("添加到列表"));
    connect(Image1, &QAbstractButton::clicked, this, &TfrmNoteAdd::Image1Click);

    Bevel2 = Bevel(W7Panel1, QFrame::VLine, QRect(275, 12, 2, 233));

    alvNotes = NotesReportList(W7Panel1, 80, 200);
    alvNotes->setGeometry(280, 16, 261, 225);
    alvNotes->setAccessibleName(QStringLiteral("便签列表"));
    connect(alvNotes, &QTreeWidget::itemSelectionChanged, this, &TfrmNoteAdd::alvNotesSelectItem);
    connect(alvNotes, &QTreeWidget::itemChanged, this, [this] { FUnsaved = true; });
    alvNotes->installEventFilter(this);

    PopupMenu1 = new QMenu(this);
    N1 = PopupMenu1->addAction(QStringLiteral("删除"));
    connect(N1, &QAction::triggered, this, &TfrmNoteAdd::N1Click);
    alvNotes->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(alvNotes, &QWidget::customContextMenuRequested, this, [this](const QPoint& Where) {
        PopupMenu1->popup(alvNotes->viewport()->mapToGlobal(Where));
    });

    Bevel1 = Bevel(W7Panel1, QFrame::HLine, QRect(10, 249, 532, 2));

    advOK = new TGlassButton(QStringLiteral("确   定"), W7Panel1);
    advOK->setGeometry(371, 259, 81, 28);
    connect(advOK, &QAbstractButton::clicked, this, &TfrmNoteAdd::advOKClick);
    advOK->SetDefault(true);
    advClose = new TGlassButton(QStringLiteral("退   出"), W7Panel1);
    advClose->setGeometry(463, 259, 81, 28);
    connect(advClose, &QAbstractButton::clicked, this, &TfrmNoteAdd::advCloseClick);

    setTabOrder(ceTitle, alvNotes);
    setTabOrder(alvNotes, ccTime);
    setTabOrder(ccTime, aockHint);
    setTabOrder(aockHint, ccRepeat);
    setTabOrder(ccRepeat, ccAdvance);
    setTabOrder(ccAdvance, cmContent);
    setTabOrder(cmContent, Image1);
    setTabOrder(Image1, advOK);
    setTabOrder(advOK, advClose);

    SetDay(platform::Now());
}

TfrmNoteAdd::~TfrmNoteAdd() {
    FormClose();
}

void TfrmNoteAdd::SetDay(TDateTime Day) {
    FDay = std::chrono::floor<std::chrono::days>(Day);
    setWindowTitle(EditorCaption(FDay));
}

void TfrmNoteAdd::FormShow() {
    TakeMainWindowOpacity(this);
    CentreOnMainWindow(this);
    ceTitle->setFocus();

    ccTime->clear();
    ccTime->addItems(HourEntries(FDay));
    ccTime->setCurrentIndex(-1);
    ccTime->setEditText(QString());

    const std::string FileName = notes::NotesFileName();
    EnsureNotesFile(FileName);
    const notes::TDaySelection Day{notes::DayName(NoteDay()), false};
    ShowNotes(alvNotes, notes::ReadNotesOf(FileName, Day).Notes);
    FUnsaved = false;
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
    const TRowExtras Extras = RowExtras(alvNotes->topLevelItem(Row));
    const QString Repeat = ChoiceOfRepeat(Extras.Repeat);
    if (ccRepeat->findText(Repeat) < 0) {
        // A repeat text from the file that names no rule is kept as it is.
        ccRepeat->addItem(Repeat);
    }
    ccRepeat->setCurrentText(Repeat);
    SetAdvance(notes::TAdvance::FromText(Extras.Advance.toStdString()).Minutes());
}

void TfrmNoteAdd::SetAdvance(int Minutes) {
    int Index = ccAdvance->findData(Minutes);
    if (Index < 0) {
        // An advance from the file that is none of the choices is kept as it is.
        ccAdvance->addItem(AdvanceName(Minutes), Minutes);
        Index = ccAdvance->count() - 1;
    }
    ccAdvance->setCurrentIndex(Index);
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
    const std::optional<QString> When = StoredTime(FDay, ccTime->currentText());
    if (!When) {
        QMessageBox Warning(QMessageBox::Warning, QStringLiteral("警告"),
                            QStringLiteral("时间应为这一天的时和分，例如 09:30，或者留空。"),
                            QMessageBox::Ok, this);
        Warning.exec();
        return;
    }
    const QString Content = WithoutNonXmlCharacters(JoinLines(cmContent->toPlainText()));
    const QString Remind = QString::fromStdString(notes::TReminder(aockHint->isChecked()).Text());
    FUnsaved = true;
    FReminderTicked = FReminderTicked || aockHint->isChecked();
    TRowExtras Extras{
        RepeatOfChoice(ccRepeat->currentText()),
        QString::fromStdString(notes::TAdvance(ccAdvance->currentData().toInt()).Text()),
        QString()};
    if (Found == nullptr) {
        SetRowExtras(alvNotes->AddRow({Title, *When, Remind, Content}), Extras);
        return;
    }
    Extras.Identity = RowExtras(Found).Identity;
    Found->setText(1, *When);
    Found->setText(2, Remind);
    Found->setText(3, Content);
    SetRowExtras(Found, Extras);
}

void TfrmNoteAdd::N1Click() {
    const int Row = alvNotes->SelectedRow();
    if (Row < 0) {
        return;
    }
    const std::string FileName = notes::NotesFileName();
    try {
        notes::DeleteNoteOfDay(FileName, NoteDay(), NoteOfRow(Row));
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
        Notes.push_back(NoteOfRow(Row));
    }
    try {
        notes::SaveNotesOfDay(FileName, NoteDay(), Notes);
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
    OfferToTurnRemindersOn();
    accept();
}

void TfrmNoteAdd::OfferToTurnRemindersOn() {
    if (!FReminderTicked || notes::NoteAlarmOn != 0) {
        return;
    }
    QMessageBox Question(QMessageBox::Question, QStringLiteral("提醒"),
                         QStringLiteral("便签提醒现在是关闭的，提醒不会到来。\n要打开便签提醒吗？"),
                         QMessageBox::Yes | QMessageBox::No, this);
    Question.setDefaultButton(QMessageBox::Yes);
    if (Question.exec() != QMessageBox::Yes) {
        return;
    }
    try {
        notes::SaveSettings(notes::NotePosition, true, notes::NoteBlend);
    } catch (const std::exception& Failure) {
        ReportError(Failure);
    }
}

void OpenNoteEditor(QWidget* Parent, TDateTime Day) {
    if (frmNoteAdd == nullptr) {
        frmNoteAdd = new TfrmNoteAdd(Parent);
    }
    frmNoteAdd->SetDay(Day);
    frmNoteAdd->exec();
}

notes::TNote TfrmNoteAdd::NoteOfRow(int Row) const {
    // Cells edited in place are taken as typed, less what XML cannot hold.
    const QStringList Cells = alvNotes->Row(Row);
    const auto Cell = [&](int Column) {
        return WithoutNonXmlCharacters(Cells[Column]).toStdString();
    };
    const TRowExtras Extras = RowExtras(alvNotes->topLevelItem(Row));
    return {Cell(0),
            Cell(1),
            notes::TReminder::FromText(Cell(2)),
            Cell(3),
            notes::TRepeat::FromText(Extras.Repeat.toStdString()),
            notes::TAdvance::FromText(Extras.Advance.toStdString()),
            Extras.Identity.toStdString()};
}

notes::TNoteDay TfrmNoteAdd::NoteDay() const {
    return notes::TNoteDay(std::chrono::floor<std::chrono::days>(FDay));
}

void TfrmNoteAdd::advCloseClick() {
    reject();
}

void TfrmNoteAdd::reject() {
    if (FUnsaved && QMessageBox::question(this, QStringLiteral("便签维护"),
                                          QStringLiteral("列表中有未保存的便签，放弃这些修改吗？"),
                                          QMessageBox::Yes | QMessageBox::No,
                                          QMessageBox::No) != QMessageBox::Yes) {
        return;
    }
    TSecondaryDialog::reject();
}

bool TfrmNoteAdd::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == alvNotes && Event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(Event)->key() == Qt::Key_Delete) {
        DeleteAsking();
        return true;
    }
    return TSecondaryDialog::eventFilter(Watched, Event);
}

void TfrmNoteAdd::DeleteAsking() {
    const int Row = alvNotes->SelectedRow();
    if (Row < 0) {
        return;
    }
    const QString Title = alvNotes->topLevelItem(Row)->text(0);
    if (QMessageBox::question(
            this, QStringLiteral("便签维护"), QStringLiteral("删除便签“%1”吗？").arg(Title),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes) {
        N1Click();
    }
}

void TfrmNoteAdd::FormClose() {
    ClearReference(frmNoteAdd, this);
}
