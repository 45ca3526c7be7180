#pragma once

// The main window "万年历": the day panel on the left, the month grid on the right, the
// popup menu of commands, the tray icon and the note alarm.

#include "main/DayBrowsing.h"

#include <QPointer>
#include <QWidget>

#include <string>
#include <vector>

class QAction;
class QCloseEvent;
class QKeyEvent;
class QLabel;
class TClockLabel;
class TGradientDigitLabel;
class TGradientPanel;
class TGradientSeparator;
class TMenuButton;
class TMonthGrid;
class TNoteAlarmClock;
class TPictureMenu;
class TProgramTray;
class TSpinner;

class TfrmManyYear : public QWidget {
    Q_OBJECT

public:
    explicit TfrmManyYear(QWidget* Parent = nullptr);
    ~TfrmManyYear() override;

    // The day panel and its controls.
    TGradientPanel* W7Panel1 = nullptr;
    TSpinner* rsYear = nullptr;
    QLabel* Label2 = nullptr;
    TSpinner* rsMonth = nullptr;
    QLabel* Label1 = nullptr;
    TMenuButton* RzMenuToolbarButton1 = nullptr;
    TGradientSeparator* RzSeparator1 = nullptr;
    TGradientDigitLabel* AdvSLDate = nullptr;
    TClockLabel* RzClockStatus1 = nullptr;
    TGradientSeparator* RzSeparator2 = nullptr;
    QLabel* lblNLYear = nullptr;
    QLabel* ImgLunar = nullptr;
    TGradientSeparator* RzSeparator3 = nullptr;
    QLabel* lblHolday = nullptr;
    QLabel* lblJieQi = nullptr;

    // The month grid.
    TMonthGrid* advDays = nullptr;

    // The popup menu and its items, top to bottom (N3, N8 and N10 are separators).
    TPictureMenu* AdvPopupMenu1 = nullptr;
    QAction* N12 = nullptr;
    QAction* N1 = nullptr;
    QAction* N3 = nullptr;
    QAction* N4 = nullptr;
    QAction* N5 = nullptr;
    QAction* N6 = nullptr;
    QAction* N7 = nullptr;
    QAction* N8 = nullptr;
    QAction* N9 = nullptr;
    QAction* N2 = nullptr;
    QAction* N10 = nullptr;
    QAction* N11 = nullptr;

    TProgramTray* RzTrayIcon1 = nullptr;

    // Checks today's reminders once a second, from creation to the end.
    TNoteAlarmClock* tNoteAlarm = nullptr;

    // The window's own opacity, 0 (invisible) .. 255 (opaque). This integer is the truth:
    // what the platform reports back after setWindowOpacity is rounded and never read.
    int AlphaLevel() const;
    void SetAlphaLevel(int Level);

    // Today's date taken once at creation.
    int TodayYear() const { return FTodayYear; }
    int TodayMonth() const { return FTodayMonth; }
    int TodayDay() const { return FTodayDay; }
    bool Creating() const { return FCreating; }

    void FormCreate();
    void FormActivate();
    void FormClose();
    void FormKeyDown(int Key);
    void W7Panel1MouseDown(Qt::MouseButton Button, int X, int Y);
    void W7Panel1MouseUp(Qt::MouseButton Button, int X, int Y);

    // Lays one month (a supported year, month 1..12) into the grid and sets the year name
    // and zodiac picture of the day panel.
    void FillMonth(int Year, int Month);

    // The day in the grid's selected cell, Day 0 when that cell holds no day.
    TGridDay SelectedDay() const;
    // Shows the month of Day and selects its cell.
    void SelectDay(const TGridDay& Day);

    // True when the weather window exists and is visible (defined with the weather commands).
    bool WeatherShown() const;

    // Brings the program back from the tray or from a minimised state.
    void RestoreApplication();

public slots:
    void N12Click();
    void N1Click();
    void N4Click();
    void N5Click();
    void N6Click();
    void N7Click();
    void N9Click();
    void N2Click();
    void N11Click();

    void rsYearChange();
    void rsMonthChange();

protected:
    void closeEvent(QCloseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    bool event(QEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void CreateDayPanel();
    void CreateGrid();
    void CreateMenu();
    void CreateTrayIcon();
    void advDaysDrawCell(int ACol, int ARow);
    // N9's caption tells where minimising goes: the tray, or the task list while no tray is.
    void CaptionMinimise();
    bool MoveSelectedDay(int Key);
    void HideToTray();

    int FTodayYear = 0;
    int FTodayMonth = 0;
    int FTodayDay = 0;
    bool FCreating = true;
    bool FColorWeekendHeader = true;
    int FHeaderPaints = 0;
    int FDownX = 0;
    int FDownY = 0;
    bool FPanelPressed = false;
    std::string FZodiacShown;
    // The windows hidden with the main window by minimising to the tray.
    std::vector<QPointer<QWidget>> FHiddenToTray;
};
