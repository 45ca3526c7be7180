#include "main/UMain.h"

#include "about/UAbout.h"
#include "calendar/UCalendar.h"
#include "common/KeyedPicture.h"
#include "common/SecondaryWindow.h"
#include "common/WindowAlpha.h"
#include "common/WindowReferences.h"
#include "common/ZodiacBitmapName.h"
#include "main/DayCellHints.h"
#include "main/MonthLayout.h"
#include "main/ProgramTray.h"
#include "main/ResourcePicture.h"
#include "main/TodayLines.h"
#include "main/WindowHandling.h"
#include "notes/UNoteSettings.h"
#include "notes/windows/NoteAlarmClock.h"
#include "notes/windows/NotePopupEvents.h"
#include "notes/windows/UNoteAdd.h"
#include "notes/windows/UNoteHis.h"
#include "notes/windows/UNoteList.h"
#include "notes/windows/UNoteset.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/x11/WindowStartState.h"
#include "weather/UWeather.h"
#include "widgets/ClockLabel.h"
#include "widgets/GradientDigitLabel.h"
#include "widgets/GradientPanel.h"
#include "widgets/GradientSeparator.h"
#include "widgets/MenuButton.h"
#include "widgets/MonthGrid.h"
#include "widgets/PictureMenu.h"
#include "widgets/Spinner.h"
#include "widgets/WindowFonts.h"
#include "widgets/WindowLook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int WindowWidth = 631;
constexpr int WindowHeight = 386;
constexpr int PanelWidth = 221;
constexpr int ColWidth = 58;
constexpr int HeaderHeight = 27;
constexpr int DayRowHeight = 50;

const QColor TodayMark(0xFF, 0x00, 0x00);
const QColor WeekendHeader(0xDD, 0xA0, 0xDD);

const char* const HideGrid = "隐藏月历";
const char* const MinimiseToTray = "最小化到托盘";
const char* const MinimiseWithoutTray = "最小化（没有托盘）";
const char* const ShowGrid = "显示月历";

QString Q(const std::string& Text) {
    return QString::fromStdString(Text);
}

QLabel* MakeLabel(QWidget* Parent, const QRect& Place, const QString& Text, const QFont& Font,
                  Qt::Alignment Alignment) {
    auto* Label = new QLabel(Text, Parent);
    Label->setGeometry(Place);
    Label->setFont(Font);
    Label->setAlignment(Alignment);
    Label->setAttribute(Qt::WA_TranslucentBackground);
    return Label;
}

TGradientSeparator* MakeSeparator(QWidget* Parent, int Top, const QColor& Color) {
    auto* Separator = new TGradientSeparator(Parent);
    Separator->setGeometry(1, Top, 218, 2);
    if (Color.isValid())
        Separator->SetColor(Color);
    return Separator;
}

void SetTextColor(QWidget* Widget, const QColor& Color) {
    QPalette Palette = Widget->palette();
    Palette.setColor(QPalette::WindowText, Color);
    Widget->setPalette(Palette);
}

} // namespace

TfrmManyYear::TfrmManyYear(QWidget* Parent) : QWidget(Parent, Qt::Window) {
    frmManyYear = this;
    setWindowFlag(Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("万年历"));
    setFont(SansFont(11));
    setFixedSize(WindowWidth, WindowHeight);
    if (const QScreen* Screen = QGuiApplication::primaryScreen())
        move(Screen->availableGeometry().center() - rect().center());

    CreateDayPanel();
    CreateGrid();
    CreateMenu();
    CreateTrayIcon();
    tNoteAlarm = new TNoteAlarmClock(this);
    FormCreate();
}

TfrmManyYear::~TfrmManyYear() {
    if (frmManyYear == this)
        frmManyYear = nullptr;
}

void TfrmManyYear::CreateDayPanel() {
    W7Panel1 = new TGradientPanel(this);
    W7Panel1->setGeometry(0, 0, PanelWidth, WindowHeight);
    SetPanelLook(W7Panel1);
    W7Panel1->setAccessibleName(QStringLiteral("今天"));
    W7Panel1->installEventFilter(this);

    const QPixmap Minus =
        QPixmap::fromImage(ResourcePicture(QStringLiteral(":/main/glyph_minus.png")));
    const QPixmap Plus =
        QPixmap::fromImage(ResourcePicture(QStringLiteral(":/main/glyph_plus.png")));
    const auto MakeSpinner = [&](const QRect& Place, int Min, int Max,
                                 void (TfrmManyYear::*Handler)()) {
        auto* Spinner = new TSpinner(W7Panel1);
        Spinner->setGeometry(Place);
        Spinner->setFont(SansFont(16, true));
        Spinner->SetRange(Min, Max);
        Spinner->SetGlyphs(Minus, Plus);
        connect(Spinner, &TSpinner::Change, this, Handler);
        return Spinner;
    };
    rsYear = MakeSpinner(QRect(17, 6, 78, 21), FirstSupportedYear, LastSupportedYear,
                         &TfrmManyYear::rsYearChange);
    Label2 = MakeLabel(W7Panel1, QRect(99, 6, 16, 16), QStringLiteral("年"), SansFont(13, true),
                       Qt::AlignLeft | Qt::AlignVCenter);
    rsMonth = MakeSpinner(QRect(119, 6, 56, 21), 1, 12, &TfrmManyYear::rsMonthChange);
    rsYear->setAccessibleName(QStringLiteral("年份"));
    rsMonth->setAccessibleName(QStringLiteral("月份"));
    Label1 = MakeLabel(W7Panel1, QRect(174, 6, 17, 16), QStringLiteral("月"), SansFont(13, true),
                       Qt::AlignLeft | Qt::AlignVCenter);

    RzMenuToolbarButton1 = new TMenuButton(W7Panel1);
    RzMenuToolbarButton1->setGeometry(200, 4, 15, 19);
    RzMenuToolbarButton1->setAccessibleName(QStringLiteral("命令菜单"));

    RzSeparator1 = MakeSeparator(W7Panel1, 27, QColor());

    AdvSLDate = new TGradientDigitLabel(W7Panel1);
    AdvSLDate->setGeometry(47, 36, 143, 97);
    AdvSLDate->setFont(DayNumberFont(96));
    AdvSLDate->SetGradient(QColor(0x9F, 0xE0, 0xFF), QColor(0x00, 0x4F, 0x75));

    RzClockStatus1 = new TClockLabel(W7Panel1);
    RzClockStatus1->setGeometry(43, 139, 145, 43);
    RzClockStatus1->setAccessibleName(QStringLiteral("时钟"));
    RzClockStatus1->setFont(SansFont(32, true));

    RzSeparator2 = MakeSeparator(W7Panel1, 183, QColor());

    lblNLYear =
        MakeLabel(W7Panel1, QRect(61, 188, 100, 19), QString(), KaiFont(21, true), Qt::AlignCenter);
    SetTextColor(lblNLYear, QColor(0xFF, 0x00, 0x00));

    ImgLunar = new QLabel(W7Panel1);
    ImgLunar->setGeometry(60, 216, 101, 92);
    ImgLunar->setAttribute(Qt::WA_TranslucentBackground);

    RzSeparator3 = MakeSeparator(W7Panel1, 317, PanelShade);

    const QColor Blue(0x00, 0x00, 0xFF);
    lblHolday = MakeLabel(W7Panel1, QRect(2, 328, 221, 13), QString(), SansFont(11),
                          Qt::AlignLeft | Qt::AlignVCenter);
    SetTextColor(lblHolday, Blue);
    lblJieQi = MakeLabel(W7Panel1, QRect(2, 350, 221, 13), QString(), SansFont(11),
                         Qt::AlignLeft | Qt::AlignVCenter);
    SetTextColor(lblJieQi, Blue);
}

void TfrmManyYear::CreateGrid() {
    advDays = new TMonthGrid(WeekDays, MonthWeeks + 1, 1, this);
    advDays->setGeometry(PanelWidth, 0, WindowWidth - PanelWidth, WindowHeight);
    for (int Col = 0; Col < WeekDays; ++Col)
        advDays->SetColWidth(Col, ColWidth);
    advDays->SetRowHeight(0, HeaderHeight);
    advDays->SetHeaderFont(SansFont(11, true));
    advDays->SetCellFont(SansFont(11));
    advDays->SetSelectionColor(QColor(0xF1, 0xC1, 0x5E));
    advDays->SetHeaderGradient(QColor(0xF6, 0xF9, 0xFB), QColor(0xD2, 0xDB, 0xE8));
    advDays->SetHeaderLineColor(PanelShade);
    advDays->SetDrawCellHandler(
        [this](int Col, int Row, const QRect&) { advDaysDrawCell(Col, Row); });
    advDays->SetToolTipHandler([this](int Col, int Row) {
        return DayCellToolTip(rsYear->Value(), rsMonth->Value(), Col, Row);
    });
    advDays->SetKeyHandler([this](int Key) { return MoveSelectedDay(Key); });
    advDays->setAccessibleName(QStringLiteral("月历"));
    advDays->SetNameHandler([this](int Col, int Row) {
        return DayCellName(rsYear->Value(), rsMonth->Value(), Col, Row);
    });
}

void TfrmManyYear::CreateMenu() {
    AdvPopupMenu1 = new TPictureMenu(this);
    const auto Item = [this](const char* Caption, const char* Picture) {
        return AdvPopupMenu1->AddItem(
            QString::fromUtf8(Caption),
            Picture ? QIcon(QPixmap::fromImage(ResourcePicture(QString::fromUtf8(Picture))))
                    : QIcon());
    };
    N12 = Item(HideGrid, ":/main/menu/N12.png");
    N1 = Item("显示天气预报", ":/main/menu/N1.png");
    N3 = AdvPopupMenu1->addSeparator();
    N4 = Item("便签维护", ":/main/menu/N4.png");
    N5 = Item("显示便签", ":/main/menu/N5.png");
    N6 = Item("便签设置", ":/main/menu/N6.png");
    N7 = Item("便签历史", ":/main/menu/N7.png");
    N8 = AdvPopupMenu1->addSeparator();
    N9 = Item(MinimiseToTray, ":/main/menu/N9.png");
    N2 = Item("退出程序", ":/main/menu/N2.png");
    N10 = AdvPopupMenu1->addSeparator();
    N11 = Item("关于...", nullptr);

    connect(N12, &QAction::triggered, this, &TfrmManyYear::N12Click);
    connect(N1, &QAction::triggered, this, &TfrmManyYear::N1Click);
    connect(N4, &QAction::triggered, this, &TfrmManyYear::N4Click);
    connect(N5, &QAction::triggered, this, &TfrmManyYear::N5Click);
    connect(N6, &QAction::triggered, this, &TfrmManyYear::N6Click);
    connect(N7, &QAction::triggered, this, &TfrmManyYear::N7Click);
    connect(N9, &QAction::triggered, this, &TfrmManyYear::N9Click);
    connect(N2, &QAction::triggered, this, &TfrmManyYear::N2Click);
    connect(N11, &QAction::triggered, this, &TfrmManyYear::N11Click);
    connect(&NotePopupEvents(), &TNotePopupEvents::PopupShown, this,
            [this] { N5->setText(QStringLiteral("隐藏便签")); });
    RzMenuToolbarButton1->SetMenu(AdvPopupMenu1);
    connect(AdvPopupMenu1, &QMenu::aboutToShow, this, &TfrmManyYear::CaptionMinimise);

    // The menu key and Shift+F10 open the menu from anywhere in the window, as a keyboard's
    // way to the button.
    auto* MenuKeys = new QAction(this);
    MenuKeys->setShortcuts({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    MenuKeys->setShortcutContext(Qt::WindowShortcut);
    addAction(MenuKeys);
    connect(MenuKeys, &QAction::triggered, RzMenuToolbarButton1, &TMenuButton::DropDown);
}

void TfrmManyYear::CreateTrayIcon() {
    RzTrayIcon1 = new TProgramTray(this);
    connect(RzTrayIcon1, &TProgramTray::RestoreRequested, this, &TfrmManyYear::RestoreApplication);
    connect(RzTrayIcon1, &TProgramTray::MenuRequested, this, [this](QPoint At) {
        raise();
        activateWindow();
        AdvPopupMenu1->popup(At);
    });
    // The tooltip names today, also after midnight.
    auto* ToolTipDay = new QTimer(this);
    connect(ToolTipDay, &QTimer::timeout, this,
            [this] { RzTrayIcon1->SetToolTip(TodayToolTip(platform::Now())); });
    ToolTipDay->start(60 * 1000);
}

void TfrmManyYear::FormCreate() {
    FCreating = true;
    FColorWeekendHeader = true;
    FHeaderPaints = 0;

    for (int Row = 1; Row <= MonthWeeks; ++Row)
        advDays->SetRowHeight(Row, DayRowHeight);

    static const char* const WeekDayNames[WeekDays] = {"星期日", "星期一", "星期二", "星期三",
                                                       "星期四", "星期五", "星期六"};
    for (int Col = 0; Col < WeekDays; ++Col)
        advDays->SetCell(Col, 0, QString::fromUtf8(WeekDayNames[Col]));

    const TDateTime Today = platform::Now();
    const TDateParts Parts = DecodeDateTime(Today);
    FTodayYear = Parts.Year;
    FTodayMonth = Parts.Month;
    FTodayDay = Parts.Day;

    // A clock outside the tables' years shows the nearest year of the range.
    rsYear->SetValue(FTodayYear);
    rsMonth->SetValue(FTodayMonth);

    FillMonth(rsYear->Value(), rsMonth->Value());

    lblHolday->setText(Q(HolidayLine(Today)));
    lblJieQi->setText(Q(LunarLine(Today)));

    notes::LoadNoteSettings();

    AdvSLDate->SetText(Q(TodayDayText(Today)));
    RzTrayIcon1->SetToolTip(TodayToolTip(Today));

    RzClockStatus1->SetTextSource([] { return Q(FormatDateTime("hh:nn:ss", platform::Now())); });
    tNoteAlarm->Start();
}

void TfrmManyYear::FormActivate() {
    FCreating = false;
}

void TfrmManyYear::FormClose() {
    const std::string Snapshot =
        platform::DataFolder() + FormatDateTime("yyyymmdd", platform::Now()) + ".bmp";
    QFile::remove(QString::fromStdString(Snapshot));
    setAttribute(Qt::WA_DeleteOnClose);
    frmManyYear = nullptr;
}

int TfrmManyYear::AlphaLevel() const {
    return WindowAlpha(this);
}

void TfrmManyYear::SetAlphaLevel(int Level) {
    SetWindowAlpha(this, Level);
}

void TfrmManyYear::FormKeyDown(int Key) {
    const int Next = AlphaAfterKey(AlphaLevel(), Key);
    if (Next != AlphaLevel())
        SetAlphaLevel(Next);
}

void TfrmManyYear::W7Panel1MouseDown(Qt::MouseButton, int X, int Y) {
    FDownX = X;
    FDownY = Y;
}

void TfrmManyYear::W7Panel1MouseUp(Qt::MouseButton Button, int X, int Y) {
    move(DraggedWindowPos(pos(), QPoint(FDownX, FDownY), QPoint(X, Y)));
    if (Button == Qt::LeftButton && frmWeather != nullptr)
        DockToMainWindow(frmWeather);
}

void TfrmManyYear::FillMonth(int Year, int Month) {
    advDays->SetBackground(CachedResourcePixmap(QStringLiteral(":/BITMAP_%1").arg(Month)));

    const std::string YearName = CyclicYearName(Year);
    lblNLYear->setText(Q(YearName));
    const std::string Zodiac = ZodiacBitmapName(YearName);
    if (Zodiac != FZodiacShown) {
        FZodiacShown = Zodiac;
        const QImage Picture = ResourcePicture(QStringLiteral(":/") + Q(Zodiac));
        ImgLunar->setPixmap(QPixmap::fromImage(KeyedOutPicture(Picture)));
    }

    const TMonthLayout Layout = LayOutMonth(Year, Month);
    advDays->ClearCellColors(1);
    const bool TodaysMonth = Year == FTodayYear && Month == FTodayMonth;
    for (int Row = 1; Row <= MonthWeeks; ++Row) {
        for (int Col = 0; Col < WeekDays; ++Col) {
            const int Index = (Row - 1) * WeekDays + Col;
            advDays->SetCell(Col, Row, Q(Layout.Cells[static_cast<std::size_t>(Index)]));
            if (TodaysMonth && Index - Layout.FirstCol + 1 == FTodayDay) {
                advDays->SetCellColor(Col, Row, TodayMark);
                advDays->SetSelected(Col, Row);
            }
        }
    }
    MarkHolidays(*advDays, Year, Month);
    advDays->repaint();
}

TGridDay TfrmManyYear::SelectedDay() const {
    const int Year = rsYear->Value();
    const int Month = rsMonth->Value();
    return {Year, Month, DayInCell(Year, Month, advDays->SelectedCol(), advDays->SelectedRow())};
}

void TfrmManyYear::SelectDay(const TGridDay& Day) {
    if (Day.Year != rsYear->Value() || Day.Month != rsMonth->Value()) {
        // One lay-out for the new month, not one per spinner.
        const QSignalBlocker YearQuiet(rsYear);
        const QSignalBlocker MonthQuiet(rsMonth);
        rsYear->SetValue(Day.Year);
        rsMonth->SetValue(Day.Month);
        FillMonth(Day.Year, Day.Month);
    }
    const TCellPlace Place = CellOfDay(Day.Year, Day.Month, Day.Day);
    advDays->SetSelected(Place.Col, Place.Row);
}

bool TfrmManyYear::MoveSelectedDay(int Key) {
    if (!IsDayBrowsingKey(Key))
        return false;
    TGridDay From = SelectedDay();
    if (From.Day == 0) {
        // From an empty cell the nearest day of the month shown.
        const int Index = (advDays->SelectedRow() - 1) * WeekDays + advDays->SelectedCol();
        From.Day = Index < CellOfDay(From.Year, From.Month, 1).Col
                       ? 1
                       : GetMonthDays(From.Year, From.Month);
    }
    SelectDay(DayAfterKey(From, Key, {FTodayYear, FTodayMonth, FTodayDay}));
    return true;
}

void TfrmManyYear::advDaysDrawCell(int ACol, int) {
    if (!FColorWeekendHeader || (ACol != 0 && ACol != WeekDays - 1))
        return;
    advDays->SetCellColor(ACol, 0, WeekendHeader);
    if (++FHeaderPaints >= 2)
        FColorWeekendHeader = false;
}

void TfrmManyYear::rsYearChange() {
    if (!FCreating)
        FillMonth(rsYear->Value(), rsMonth->Value());
}

void TfrmManyYear::rsMonthChange() {
    if (!FCreating)
        FillMonth(rsYear->Value(), rsMonth->Value());
}

void TfrmManyYear::N12Click() {
    const QString Caption = N12->text();
    if (Caption == QString::fromUtf8(HideGrid)) {
        setFixedSize(PanelWidth, WindowHeight);
        N12->setText(QString::fromUtf8(ShowGrid));
    } else if (Caption == QString::fromUtf8(ShowGrid)) {
        setFixedSize(WindowWidth, WindowHeight);
        N12->setText(QString::fromUtf8(HideGrid));
    } else {
        return;
    }
    if (WeatherShown())
        DockToMainWindow(frmWeather);
}

void TfrmManyYear::N9Click() {
    if (!RzTrayIcon1->Shown()) {
        // Without a tray there would be no way back from a hidden window.
        showMinimized();
        return;
    }
    HideToTray();
}

void TfrmManyYear::CaptionMinimise() {
    N9->setText(QString::fromUtf8(RzTrayIcon1->Shown() ? MinimiseToTray : MinimiseWithoutTray));
}

void TfrmManyYear::HideToTray() {
    // Only the program's own windows: the tray icon lives in a top-level window of its own
    // and must stay, or nothing would be left to bring the program back.
    QWidget* const ProgramWindows[] = {this,       frmWeather, frmNoteList, frmNoteAdd,
                                       frmNoteHis, frmNoteSet, frmAbout};
    for (QWidget* Window : ProgramWindows) {
        if (Window != nullptr && Window->isVisible()) {
            FHiddenToTray.emplace_back(Window);
            Window->hide();
        }
    }
}

void TfrmManyYear::RestoreApplication() {
    for (const QPointer<QWidget>& Window : FHiddenToTray)
        if (Window && Window != this)
            Window->show();
    FHiddenToTray.clear();
    // Minimised by the program once (without a tray) and given back by the window manager,
    // the window still asks X11 to come up minimised; it is shown normal.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        platform::SetNormalStartState(winId());
    showNormal();
    raise();
    activateWindow();
}

void TfrmManyYear::N2Click() {
    close();
}

void TfrmManyYear::closeEvent(QCloseEvent* Event) {
    FormClose();
    Event->accept();
}

void TfrmManyYear::keyPressEvent(QKeyEvent* Event) {
    FormKeyDown(Event->key());
    QWidget::keyPressEvent(Event);
}

bool TfrmManyYear::event(QEvent* Event) {
    // A window that is never activated (no window manager, or one that gives it no focus)
    // must still follow its spinners once it is on screen.
    if (Event->type() == QEvent::WindowActivate || Event->type() == QEvent::Show)
        FormActivate();
    if (Event->type() == QEvent::WindowStateChange && isMinimized() && RzTrayIcon1->Shown())
        QTimer::singleShot(0, this, &TfrmManyYear::HideToTray);
    return QWidget::event(Event);
}

bool TfrmManyYear::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched != W7Panel1)
        return QWidget::eventFilter(Watched, Event);
    if (Event->type() == QEvent::MouseButtonPress) {
        const auto* Mouse = static_cast<QMouseEvent*>(Event);
        const QPoint At = Mouse->position().toPoint();
        // Only the panel's own surface is a handle, not its controls.
        if (W7Panel1->childAt(At) == nullptr) {
            FPanelPressed = true;
            W7Panel1MouseDown(Mouse->button(), At.x(), At.y());
        }
    } else if (Event->type() == QEvent::MouseButtonRelease && FPanelPressed) {
        const auto* Mouse = static_cast<QMouseEvent*>(Event);
        FPanelPressed = false;
        const QPoint At = Mouse->position().toPoint();
        W7Panel1MouseUp(Mouse->button(), At.x(), At.y());
    }
    return QWidget::eventFilter(Watched, Event);
}
