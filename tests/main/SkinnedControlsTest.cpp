#include "widgets/ClockLabel.h"
#include "widgets/GlassButton.h"
#include "widgets/GradientPanel.h"
#include "widgets/OnOffSwitch.h"
#include "widgets/Spinner.h"

#include <QElapsedTimer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <iostream>

namespace {

enum class TInput {
    Up,
    Right,
    Down,
    Left,
    KeypadPlus,
    KeypadMinus,
    PageUp,
    PageDown,
    Plus,
    WheelUp,
    WheelDown,
    CtrlWheelUp,
    CtrlWheelDown,
    MinusButton,
    PlusButton
};

void Apply(TSpinner& Spinner, TInput Input) {
    const auto Wheel = [&](int Delta, Qt::KeyboardModifiers Modifiers) {
        QWheelEvent Event(QPointF(30, 10), Spinner.mapToGlobal(QPointF(30, 10)), QPoint(),
                          QPoint(0, Delta), Qt::NoButton, Modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&Spinner, &Event);
    };
    const auto Click = [&](QPoint At) {
        QTest::mousePress(&Spinner, Qt::LeftButton, {}, At);
        QTest::mouseRelease(&Spinner, Qt::LeftButton, {}, At);
    };
    switch (Input) {
    case TInput::Up:
        QTest::keyClick(&Spinner, Qt::Key_Up);
        break;
    case TInput::Right:
        QTest::keyClick(&Spinner, Qt::Key_Right);
        break;
    case TInput::Down:
        QTest::keyClick(&Spinner, Qt::Key_Down);
        break;
    case TInput::Left:
        QTest::keyClick(&Spinner, Qt::Key_Left);
        break;
    case TInput::KeypadPlus:
        QTest::keyClick(&Spinner, Qt::Key_Plus, Qt::KeypadModifier);
        break;
    case TInput::KeypadMinus:
        QTest::keyClick(&Spinner, Qt::Key_Minus, Qt::KeypadModifier);
        break;
    case TInput::PageUp:
        QTest::keyClick(&Spinner, Qt::Key_PageUp);
        break;
    case TInput::PageDown:
        QTest::keyClick(&Spinner, Qt::Key_PageDown);
        break;
    case TInput::Plus:
        QTest::keyClick(&Spinner, Qt::Key_Plus);
        break;
    case TInput::WheelUp:
        Wheel(120, Qt::NoModifier);
        break;
    case TInput::WheelDown:
        Wheel(-120, Qt::NoModifier);
        break;
    case TInput::CtrlWheelUp:
        Wheel(120, Qt::ControlModifier);
        break;
    case TInput::CtrlWheelDown:
        Wheel(-120, Qt::ControlModifier);
        break;
    case TInput::MinusButton:
        Click(QPoint(5, 10));
        break;
    case TInput::PlusButton:
        Click(QPoint(Spinner.width() - 5, 10));
        break;
    }
}

struct TSpinCase {
    int Start;
    TInput Input;
    int Expected;
};

class SpinnerTest : public testing::TestWithParam<TSpinCase> {};

// Year range; one change event for a real change, none against a limit.
TEST_P(SpinnerTest, StepsWithinTheRange) {
    const TSpinCase& Case = GetParam();
    TSpinner Spinner;
    Spinner.resize(78, 21);
    Spinner.SetRange(1901, 2050);
    Spinner.SetValue(Case.Start);
    QSignalSpy Changes(&Spinner, &TSpinner::Change);
    Apply(Spinner, Case.Input);
    EXPECT_EQ(Spinner.Value(), Case.Expected);
    EXPECT_EQ(Changes.count(), Case.Expected == Case.Start ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SpinnerTest,
    testing::Values(
        TSpinCase{2000, TInput::Up, 2001}, TSpinCase{2000, TInput::Right, 2001},
        TSpinCase{2000, TInput::Down, 1999}, TSpinCase{2000, TInput::Left, 1999},
        TSpinCase{2000, TInput::KeypadPlus, 2001}, TSpinCase{2000, TInput::KeypadMinus, 1999},
        TSpinCase{2000, TInput::PageUp, 2010}, TSpinCase{2000, TInput::PageDown, 1990},
        // The plus key of the main keyboard is not a step.
        TSpinCase{2000, TInput::Plus, 2000}, TSpinCase{2000, TInput::WheelUp, 2001},
        TSpinCase{2000, TInput::WheelDown, 1999}, TSpinCase{2000, TInput::CtrlWheelUp, 2010},
        TSpinCase{2000, TInput::CtrlWheelDown, 1990}, TSpinCase{2000, TInput::MinusButton, 1999},
        TSpinCase{2000, TInput::PlusButton, 2001},
        // Against a limit nothing changes; a long step stops at the limit.
        TSpinCase{2050, TInput::Up, 2050}, TSpinCase{2050, TInput::PlusButton, 2050},
        TSpinCase{1901, TInput::Down, 1901}, TSpinCase{1901, TInput::MinusButton, 1901},
        TSpinCase{2045, TInput::PageUp, 2050}, TSpinCase{1905, TInput::CtrlWheelDown, 1901}));

// A held button steps at once, waits before it repeats, then keeps stepping until it is let
// go. Only lower bounds on the waits are checked: timers never fire early by much, but a
// loaded machine may make them late.
TEST(Spinner, AHeldButtonRepeatsAfterAPause) {
    TSpinner Spinner;
    Spinner.resize(78, 21);
    Spinner.SetRange(0, 1000);
    Spinner.SetValue(500);
    const QPoint Plus(Spinner.width() - 5, 10);
    QElapsedTimer Held;
    QTest::mousePress(&Spinner, Qt::LeftButton, {}, Plus);
    Held.start();
    EXPECT_EQ(Spinner.Value(), 501);
    QTest::qWait(TSpinner::FirstRepeatMs / 2);
    EXPECT_EQ(Spinner.Value(), 501);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Spinner.Value() >= 505; }, 5000));
    EXPECT_GE(Held.elapsed(), (TSpinner::FirstRepeatMs + 3 * TSpinner::RepeatMs) * 9 / 10);
    QTest::mouseRelease(&Spinner, Qt::LeftButton, {}, Plus);
    const int Released = Spinner.Value();
    QTest::qWait(3 * TSpinner::RepeatMs);
    EXPECT_EQ(Spinner.Value(), Released);
}

TEST(Spinner, SettingAValueOutsideTheRangeShowsTheNearestLimit) {
    TSpinner Spinner;
    Spinner.SetRange(1, 12);
    Spinner.SetValue(13);
    EXPECT_EQ(Spinner.Value(), 12);
    Spinner.SetValue(-4);
    EXPECT_EQ(Spinner.Value(), 1);
}

TEST(Spinner, TypedDigitsAreTakenWhenCompleteOnEnterOrWhenTheFocusLeaves) {
    struct {
        int Min, Max;
        const char* Keys; // digits, 'b' Backspace, 'e' Escape, 'r' Return, 'o' focus out
        int Expected;
        int Changes;
    } const Cases[] = {
        {1901, 2050, "2030", 2030, 1},   // a fifth digit could only overshoot: taken at once
        {1901, 2050, "203r", 1901, 1},   // 203 lies below the range: its nearest limit
        {1901, 2050, "2b2024", 2024, 1}, // Backspace takes back the digit before it
        {1901, 2050, "19999", 1999, 1},  // the fifth digit starts the next number
        {1, 12, "3", 3, 1},              // no second digit could follow a 3
        {1, 12, "11", 11, 1},
        {1, 12, "1o", 1, 1}, // leaving the spinner takes what was typed
        {1, 12, "1e", 5, 0}, // Escape takes it back
    };
    for (const auto& Case : Cases) {
        QWidget Window;
        TSpinner Spinner(&Window);
        QWidget Other(&Window);
        Other.setFocusPolicy(Qt::StrongFocus);
        Spinner.SetRange(Case.Min, Case.Max);
        Spinner.SetValue(Case.Min == 1 ? 5 : 2000);
        QSignalSpy Changes(&Spinner, &TSpinner::Change);
        for (const char* Key = Case.Keys; *Key != 0; ++Key) {
            if (*Key == 'b')
                QTest::keyClick(&Spinner, Qt::Key_Backspace);
            else if (*Key == 'e')
                QTest::keyClick(&Spinner, Qt::Key_Escape);
            else if (*Key == 'r')
                QTest::keyClick(&Spinner, Qt::Key_Return);
            else if (*Key == 'o') {
                QFocusEvent Out(QEvent::FocusOut);
                QCoreApplication::sendEvent(&Spinner, &Out);
            } else
                QTest::keyClick(&Spinner, *Key);
        }
        EXPECT_EQ(Spinner.Value(), Case.Expected) << Case.Keys;
        EXPECT_EQ(Changes.count(), Case.Changes) << Case.Keys;
        EXPECT_EQ(Spinner.Typed(), std::string(Case.Keys) == "19999" ? "9" : "") << Case.Keys;
    }
}

// Relative luminance and contrast ratio as the accessibility guidelines define them.
double Luminance(QColor Color) {
    const auto Linear = [](double Channel) {
        return Channel <= 0.03928 ? Channel / 12.92 : std::pow((Channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * Linear(Color.redF()) + 0.7152 * Linear(Color.greenF()) +
           0.0722 * Linear(Color.blueF());
}

double Contrast(QColor A, QColor B) {
    const double La = Luminance(A);
    const double Lb = Luminance(B);
    return (std::max(La, Lb) + 0.05) / (std::min(La, Lb) + 0.05);
}

// The least contrast between Ink and the pixels of Picture inside Area.
double LeastContrast(const QImage& Picture, const QRect& Area, QColor Ink) {
    double Least = 21;
    for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
        for (int X = Area.left(); X <= Area.right(); ++X)
            Least = std::min(Least, Contrast(Picture.pixelColor(X, Y), Ink));
    return Least;
}

QImage Rendered(QWidget& Widget) {
    QImage Picture(Widget.size(), QImage::Format_ARGB32);
    Picture.fill(Qt::white);
    Widget.render(&Picture);
    return Picture;
}

// The face under the text, drawn without the text, in every state of the button.
TEST(GlassButton, TheTextReadsAtLeastFourAndAHalfToOneOnTheFaceInEveryState) {
    const QString States[] = {QStringLiteral("normal"), QStringLiteral("under the mouse"),
                              QStringLiteral("pressed"), QStringLiteral("disabled")};
    for (const QString& State : States) {
        TGlassButton Button{QString()};
        Button.resize(81, 28);
        if (State == States[1])
            Button.setAttribute(Qt::WA_UnderMouse);
        if (State == States[2])
            Button.setDown(true);
        if (State == States[3])
            Button.setEnabled(false);
        const int TextHeight = QFontMetrics(Button.font()).height();
        const QRect UnderText(8, (28 - TextHeight) / 2, 81 - 16, TextHeight);
        const double Least = LeastContrast(Rendered(Button), UnderText, Button.TextColor());
        std::cout << "glass button, " << State.toStdString() << ": " << Least << ":1\n";
        EXPECT_GE(Least, 4.5) << State.toStdString();
    }
}

// The white state text on the track beside the knob, on and off.
TEST(OnOffSwitch, TheStateTextIsChineseAndReadsAtLeastFourAndAHalfToOne) {
    for (const bool On : {true, false}) {
        TOnOffSwitch Switch;
        Switch.resize(81, 30);
        Switch.SetOn(On);
        EXPECT_EQ(Switch.StateText(), On ? QStringLiteral("开") : QStringLiteral("关"));
        // A column of the text's half clear of the glyph and of the track's rim.
        const int Column = On ? 6 : 81 - 7;
        const double Least =
            LeastContrast(Rendered(Switch), QRect(Column, 7, 1, 30 - 14), QColor(Qt::white));
        std::cout << "switch " << (On ? "on" : "off") << ": " << Least << ":1\n";
        EXPECT_GE(Least, 4.5) << On;
    }
}

TEST(ClockLabel, RepaintsOnlyWhenItsTextChanges) {
    std::deque<QString> Readings{"10:00:00", "10:00:00", "10:00:01", "10:00:01", "10:00:02"};
    TClockLabel Clock;
    Clock.SetTextSource([&] {
        QString Text = Readings.front();
        if (Readings.size() > 1)
            Readings.pop_front();
        return Text;
    });
    EXPECT_EQ(Clock.Text(), "10:00:00");
    const bool Expected[] = {false, true, false, true, false};
    for (const bool Changed : Expected)
        EXPECT_EQ(Clock.Refresh(), Changed);
    EXPECT_EQ(Clock.Text(), "10:00:02");
}

// What the panel itself paints, over a transparent background.
QImage Painted(TGradientPanel& Panel) {
    QImage Image(Panel.size(), QImage::Format_ARGB32);
    Image.fill(Qt::transparent);
    Panel.render(&Image, QPoint(), QRegion(), QWidget::DrawChildren);
    return Image;
}

struct TPanelCorners {
    int Radius;
    bool CornerPainted;
};

class GradientPanelTest : public ::testing::TestWithParam<TPanelCorners> {};

TEST_P(GradientPanelTest, FramesFollowTheOutlineAndNothingIsPaintedOutsideIt) {
    const QColor Outer(0x8E, 0x9C, 0xAD);
    const QColor Fill(0xED, 0xF3, 0xFC);
    TGradientPanel Panel;
    Panel.resize(120, 60);
    Panel.SetGradient(Fill, Fill);
    Panel.SetOuterFrame(Outer);
    Panel.SetInnerFrame(Qt::white);
    Panel.SetCornerRadius(GetParam().Radius);
    const QImage Image = Painted(Panel);

    // Along the straight edges the frames are whole pixels, not smeared over two rows.
    for (const QPoint Edge : {QPoint(60, 0), QPoint(60, 59), QPoint(0, 30), QPoint(119, 30)})
        EXPECT_EQ(Image.pixelColor(Edge), Outer) << Edge.x() << "," << Edge.y();
    for (const QPoint Inside : {QPoint(60, 1), QPoint(60, 58), QPoint(1, 30), QPoint(118, 30)})
        EXPECT_EQ(Image.pixelColor(Inside), QColor(Qt::white)) << Inside.x() << "," << Inside.y();
    EXPECT_EQ(Image.pixelColor(60, 30), Fill);

    const bool CornerPainted = GetParam().CornerPainted;
    for (const QPoint Corner : {QPoint(0, 0), QPoint(119, 0), QPoint(0, 59), QPoint(119, 59)}) {
        EXPECT_EQ(Image.pixelColor(Corner).alpha() != 0, CornerPainted)
            << Corner.x() << "," << Corner.y();
        EXPECT_EQ(Panel.Outline().contains(Corner), CornerPainted)
            << Corner.x() << "," << Corner.y();
    }
    // Every pixel of the outline is opaque, so a window cut to it shows no gaps.
    for (const QRect& Band : Panel.Outline())
        for (int Y = Band.top(); Y <= Band.bottom(); ++Y)
            for (int X = Band.left(); X <= Band.right(); ++X)
                ASSERT_EQ(Image.pixelColor(X, Y).alpha(), 255) << X << "," << Y;
}

INSTANTIATE_TEST_SUITE_P(Corners, GradientPanelTest,
                         ::testing::Values(TPanelCorners{0, true}, TPanelCorners{6, false}));

} // namespace
