#include "about/UAbout.h"

#include "about/ExeInfo.h"
#include "about/WebAddress.h"
#include "common/SecondaryWindow.h"
#include "common/WindowAlpha.h"
#include "common/WindowReferences.h"
#include "widgets/GlassButton.h"
#include "widgets/GradientPanel.h"
#include "widgets/WindowFonts.h"
#include "widgets/WindowLook.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

constexpr int ClientWidth = 357;
constexpr int ClientHeight = 205;
constexpr int EmblemSize = 72;
constexpr int CornerRadius = 6;

QFont ButtonFont() {
    QFont Font;
    Font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    Font.setPixelSize(11);
    return Font;
}

QPixmap Emblem() {
    QPixmap Picture(EmblemSize, EmblemSize);
    Picture.fill(Qt::transparent);
    QSvgRenderer Renderer(QStringLiteral(":/about/emblem.svg"));
    QPainter Painter(&Picture);
    Renderer.render(&Painter);
    return Picture;
}

QLabel* PlaceLabel(QWidget* Parent, const QString& Caption, int X, int Y, int Width, int Height) {
    auto* Label = new QLabel(Caption, Parent);
    Label->setFont(MingFont(13));
    Label->setGeometry(X, Y, Width, Height);
    return Label;
}

// A caption sized to its text, as the captions of the window are.
QLabel* PlaceCaption(QWidget* Parent, const QString& Caption, int X, int Y) {
    QLabel* Label = PlaceLabel(Parent, Caption, X, Y, 0, 0);
    Label->adjustSize();
    return Label;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* Parent) : TSecondaryDialog(Parent) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("关于本软件"));
    setFixedSize(ClientWidth, ClientHeight);

    W7Panel1 = new TGradientPanel(this);
    W7Panel1->setGeometry(0, 0, ClientWidth, ClientHeight);
    W7Panel1->SetGradient(QColor(0xED, 0xF3, 0xFC), Qt::white);
    W7Panel1->SetOuterFrame(PanelFrame);
    W7Panel1->SetInnerFrame(Qt::white);
    W7Panel1->SetCornerRadius(CornerRadius);
    // The window takes the panel's rounded shape: its corners are cut away on every
    // desktop, and left transparent where a window is drawn off screen.
    setAttribute(Qt::WA_TranslucentBackground);
    setMask(W7Panel1->Outline());

    Image1 = new QLabel(W7Panel1);
    Image1->setGeometry(8, 16, EmblemSize, EmblemSize);
    Image1->setPixmap(Emblem());

    const QString Placeholder = QStringLiteral("版  本：");
    Label1 = PlaceCaption(W7Panel1, QStringLiteral("版  本："), 101, 16);
    lblVersion = PlaceLabel(W7Panel1, Placeholder, 157, 16, 129, 16);
    Label2 = PlaceCaption(W7Panel1, QStringLiteral("名  称："), 101, 45);
    lblProductName = PlaceLabel(W7Panel1, Placeholder, 157, 45, 129, 16);
    Label3 = PlaceCaption(W7Panel1, QStringLiteral("作  者："), 101, 73);
    lblDevolper = PlaceLabel(W7Panel1, Placeholder, 157, 73, 129, 16);
    Label4 = PlaceCaption(W7Panel1, QStringLiteral("作者主页："), 101, 102);
    // The address runs on to the window's right margin, so a full address is not cut.
    lblWebSite = PlaceLabel(W7Panel1, Placeholder, 173, 102, ClientWidth - 8 - 173, 16);
    lblWebSite->setCursor(Qt::PointingHandCursor);
    lblWebSite->installEventFilter(this);
    Label5 = PlaceLabel(W7Panel1, QStringLiteral("X键降低窗口透明度 Z键增加窗体透明度"), 101, 131,
                        244, 13);

    W7ToolButton1 = new TGlassButton(QStringLiteral("确  定"), W7Panel1);
    W7ToolButton1->setGeometry(288, 168, 52, 24);
    W7ToolButton1->setFont(ButtonFont());
    W7ToolButton1->SetFaceColor(QColor(0xDA, 0xE5, 0xF3));
    QPalette ButtonColours = W7ToolButton1->palette();
    ButtonColours.setColor(QPalette::ButtonText, QColor(0x1E, 0x39, 0x5B));
    W7ToolButton1->setPalette(ButtonColours);
    connect(W7ToolButton1, &QAbstractButton::clicked, this, &TfrmAbout::W7ToolButton1Click);

    ExeInfo1 = new TExeInfo(this);
    FormCreate();
}

int TfrmAbout::AlphaLevel() const {
    return WindowAlpha(this);
}

void TfrmAbout::FormCreate() {
    lblVersion->setText(ExeInfo1->ProductVersion());
    lblProductName->setText(ExeInfo1->ProductName());
    lblDevolper->setText(ExeInfo1->CompanyName());
    lblWebSite->setText(ExeInfo1->Comments());
}

void TfrmAbout::FormShow() {
    if (frmManyYear == nullptr) {
        return;
    }
    TakeMainWindowOpacity(this);
    CentreOnMainWindow(this);
}

void TfrmAbout::FormClose() {
    ClearReference(frmAbout, this);
}

void TfrmAbout::W7ToolButton1Click() {
    close();
}

void TfrmAbout::lblWebSiteClick() {
    OpenWebAddress(MakerWebAddress());
}

void TfrmAbout::keyPressEvent(QKeyEvent* Event) {
    // Escape closes like the button does, so the window is freed and its reference
    // cleared on every way out.
    if (Event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(Event);
}

bool TfrmAbout::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == lblWebSite && Event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton) {
        lblWebSiteClick();
        return true;
    }
    return QDialog::eventFilter(Watched, Event);
}
