#include "gui/TPagesDlg.h"

#include "gui/AirportChooser.h"
#include "gui/TForm1.h"
#include "gui/VclFont.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>

namespace quillby::gui {

TPagesDlg::TPagesDlg(TForm1& mainWindow) : QDialog(&mainWindow), m_main(mainWindow) {
    setObjectName("PagesDlg");
    setWindowTitle("Tabbed Notebook Dialog");
    setFixedSize(427, 300);
    setModal(false);
    setFont(vclFont(11));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setGeometry(5, 5, 417, 256);

    TabSheet1 = new QWidget;
    TabSheet1->setObjectName("TabSheet1");
    PageControl1->addTab(TabSheet1, "General");
    Label1 = new QLabel("Flight closed after", TabSheet1);
    Label1->setObjectName("Label1");
    Label1->move(8, 24);
    CloseMin = new QLineEdit("CloseMin", TabSheet1);
    CloseMin->setObjectName("CloseMin");
    CloseMin->setGeometry(104, 24, 41, 21);
    CloseMin->setCursorPosition(0);
    Label1->setBuddy(CloseMin);
    Label2 = new QLabel("Default Airport:", TabSheet1);
    Label2->setObjectName("Label2");
    Label2->move(8, 80);
    DBLookupComboBox1 = new AirportChooser(m_main.ClientDataSet2, TabSheet1);
    DBLookupComboBox1->setObjectName("DBLookupComboBox1");
    DBLookupComboBox1->setGeometry(104, 80, 145, 21);
    Label2->setBuddy(DBLookupComboBox1);

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName("TabSheet2");
    PageControl1->addTab(TabSheet2, "Behaviour");
    Button1 = new QPushButton("Airline/Flag File", TabSheet2);
    Button1->setObjectName("Button1");
    Button1->setGeometry(16, 24, 89, 17);

    TabSheet3 = new QWidget;
    TabSheet3->setObjectName("TabSheet3");
    PageControl1->addTab(TabSheet3, "................");
    PageControl1->setCurrentIndex(0);

    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setGeometry(187, 266 + 2, 75, 25);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    CancelBtn->setGeometry(267, 266 + 2, 75, 25);
    HelpBtn = new QPushButton("&Help", this);
    HelpBtn->setObjectName("HelpBtn");
    HelpBtn->setGeometry(347, 266 + 2, 75, 25);

    connect(OKBtn, &QPushButton::clicked, this,
            [this] { m_main.guarded([this] { OKBtnClick(); }); });
    connect(CancelBtn, &QPushButton::clicked, this,
            [this] { m_main.guarded([this] { CancelBtnClick(); }); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    FormCreate();
}

void TPagesDlg::FormCreate() {
    DBLookupComboBox1->setKeyValue(m_main.DefaultAirport);
}

void TPagesDlg::OKBtnClick() {
    if (!DBLookupComboBox1->text().empty()) {
        m_main.DefaultAirport = DBLookupComboBox1->keyValue();
    }
    close();
}

void TPagesDlg::CancelBtnClick() {
    close();
}

} // namespace quillby::gui
