#include "gui/TSplashForm.h"

#include "gui/Artwork.h"
#include "gui/GuiText.h"
#include "gui/TCGauge.h"
#include "gui/VclFont.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace quillby::gui {

TSplashForm::TSplashForm(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("SplashForm");
    setWindowTitle("SplashForm");
    setFont(vclFont(11));
    setFixedSize(256, 253);
    setAutoFillBackground(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(0, 0, 257, 185);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setLineWidth(1);

    Image1 = new QLabel(Panel1);
    Image1->setObjectName("Image1");
    Image1->setGeometry(3, 3, 247, 175);
    Image1->setScaledContents(true);
    Image1->setPixmap(splashPicture());

    StaticText1 = new QLabel("Quillby for MS- Flight Simulator 2002", this);
    StaticText1->setObjectName("StaticText1");
    StaticText1->setGeometry(8, 192, 241, 17);
    StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StaticText1->setFont(vclFont(12));

    InfoLabel = new QLabel("Caption INFO", this);
    InfoLabel->setObjectName("InfoLabel");
    InfoLabel->setAlignment(Qt::AlignCenter);
    InfoLabel->move(8, 216);
    InfoLabel->adjustSize();

    CGauge1 = new TCGauge(this);
    CGauge1->setObjectName("CGauge1");
    CGauge1->setGeometry(0, 244, 256, 9);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
}

void TSplashForm::setInfoText(const QString& text) {
    // The label grows to its text from its left edge.
    InfoLabel->setText(text);
    InfoLabel->adjustSize();
}

void TSplashForm::Update() {
    repaint();
    // Let the window system map and draw the window: no message loop runs yet.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void SplashWindow::create() {
    m_form = std::make_unique<TSplashForm>();
    m_form->show();
}

void SplashWindow::show() {
    m_form->show();
    m_form->raise();
}

void SplashWindow::setGaugeMaximum(int maximum) {
    m_form->CGauge1->setMaxValue(maximum);
}

void SplashWindow::setGaugeMinimum(int minimum) {
    m_form->CGauge1->setMinValue(minimum);
}

int SplashWindow::gaugeValue() const {
    return m_form->CGauge1->Progress();
}

void SplashWindow::setGaugeValue(int value) {
    m_form->CGauge1->setProgress(value);
}

void SplashWindow::setStatusText(std::string_view text) {
    m_form->setInfoText(fromWindows1252(text));
}

void SplashWindow::repaint() {
    m_form->Update();
}

void SplashWindow::destroy() {
    m_form.reset();
}

} // namespace quillby::gui
