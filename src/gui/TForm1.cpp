#include "gui/TForm1.h"

#include "about/VersionInfo.h"
#include "data/Schemas.h"
#include "gui/AirportChooser.h"
#include "gui/FlightGridModel.h"
#include "gui/GuiText.h"
#include "gui/ProgressBarSink.h"
#include "gui/TPagesDlg.h"
#include "gui/TVersionAwareAbout.h"
#include "gui/VclFont.h"
#include "import/AircraftConfigReader.h"
#include "import/ConvertAircraft.h"
#include "import/ConvertFlightPlans.h"
#include "import/ShiftTime.h"
#include "view/BoardColumns.h"
#include "view/FlightPlansLoad.h"
#include "view/StatusTexts.h"
#include "view/TimetableQuery.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace quillby::gui {

namespace {

constexpr int kClientWidth = 691;
constexpr int kClientHeight = 432; // above the status bar
constexpr int kStatusBarHeight = 21;

// Marks the window busy while an import runs, also when it stops with an error.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyScope() { m_busy = false; }

private:
    bool& m_busy;
};

} // namespace

TForm1::TForm1(GuiServices services, QWidget* parent)
    : QMainWindow(parent), m_services(std::move(services)) {
    setObjectName("Form1");
    setWindowTitle("Quillby for FS2002");
    setFont(vclFont(13));
    buildControls();
    buildMenu();
    buildStatusBar();
    resize(kClientWidth, kClientHeight + kStatusBarHeight + menuBar()->sizeHint().height());
    move(250, 120);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { guarded([this] { Timer1Timer(); }); });
    Timer1->start();

    guarded([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

std::filesystem::path TForm1::inWorkingFolder(const char* name) const {
    return m_services.workingFolder / name;
}

void TForm1::buildControls() {
    m_client = new QWidget(this);
    m_client->setObjectName("Form1Client");
    setCentralWidget(m_client);
    m_client->installEventFilter(this);

    RadioGroup1 = new QGroupBox(" TimeTable ", m_client);
    RadioGroup1->setObjectName("RadioGroup1");
    RadioGroup1->setGeometry(16, 0, 169, 57);
    auto* items = new QVBoxLayout(RadioGroup1);
    items->setContentsMargins(8, 2, 8, 2);
    items->setSpacing(0);
    RadioGroup1Items = new QButtonGroup(RadioGroup1);
    RadioGroup1Items->setExclusive(true);
    int id = 0;
    for (const char* caption : {"Departure", "Arrival"}) {
        auto* button = new QRadioButton(caption, RadioGroup1);
        button->setObjectName(QString("RadioGroup1Item%1").arg(id));
        items->addWidget(button);
        RadioGroup1Items->addButton(button, id++);
    }
    // Raised whenever the chosen item changes, by the user or by the program.
    connect(RadioGroup1Items, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) {
            guarded([this] { RadioGroup1Click(); });
        }
    });

    StaticText1 = new QLabel("AIRPORT", m_client);
    StaticText1->setObjectName("StaticText1");
    StaticText1->setGeometry(192, 8, 64, 20);

    Button1 = new QPushButton("Link to FS", m_client);
    Button1->setObjectName("Button1");
    Button1->setGeometry(192, 32, 73, 25);
    Button1->setEnabled(false);

    DBLookupComboBox1 = new AirportChooser(ClientDataSet2, m_client);
    DBLookupComboBox1->setObjectName("DBLookupComboBox1");
    DBLookupComboBox1->setGeometry(280, 0, 161, 24);
    connect(DBLookupComboBox1, &AirportChooser::chosen, this,
            [this] { guarded([this] { DBLookupComboBox1Click(); }); });

    ProgressBar1 = new QProgressBar(m_client);
    ProgressBar1->setObjectName("ProgressBar1");
    ProgressBar1->setGeometry(280, 40, 161, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    StaticText2 = new QLabel("DATETIME", m_client);
    StaticText2->setObjectName("StaticText2");
    StaticText2->setGeometry(448, 0, 169, 20);
    StaticText2->setFrameStyle(QFrame::Panel | QFrame::Sunken);

    Bevel1 = new QFrame(m_client);
    Bevel1->setObjectName("Bevel1");
    Bevel1->setGeometry(0, 64, 689, 2);
    Bevel1->setFrameStyle(QFrame::HLine | QFrame::Raised);

    DBGrid1 = new QTableView(m_client);
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setGeometry(0, 72, 689, 354);
    m_gridModel = new FlightGridModel(ClientDataSet1, this);
    DBGrid1->setModel(m_gridModel);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setWordWrap(false);
    DBGrid1->horizontalHeader()->setFont(font());
    DBGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    // Rows of one height: a board of a million rows scrolls without measuring them.
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    DBGrid1->verticalHeader()->hide();
    setColumnWidths();

    // Tab order as the window's controls are listed.
    setTabOrder(RadioGroup1Items->button(0), Button1);
    setTabOrder(Button1, DBGrid1);
    setTabOrder(DBGrid1, DBLookupComboBox1);
    DBLookupComboBox1->setFocus();
}

void TForm1::setColumnWidths() {
    const Table schema = makeFlightTable();
    const QFontMetrics metrics(font());
    // A field's default width: its size in digits of the window's font, or its title's width
    // when that is wider, and a small margin.
    const int digit = metrics.horizontalAdvance('0');
    for (std::size_t c = 0; c < kBoardColumns.size(); ++c) {
        const BoardColumn& column = kBoardColumns[c];
        int width = column.width;
        if (width == 0) {
            const auto size =
                static_cast<int>(schema.fields()[schema.fieldIndex(column.field)].size);
            const QString title =
                QString::fromUtf8(column.title.data(), static_cast<qsizetype>(column.title.size()));
            width = std::max(size * digit, metrics.horizontalAdvance(title)) + 4;
        }
        DBGrid1->setColumnWidth(static_cast<int>(c), width);
    }
}

void TForm1::buildMenu() {
    const auto action = [this](QMenu* menu, const char* name, const char* caption,
                               void (TForm1::*handler)()) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(name);
        if (handler != nullptr) {
            connect(a, &QAction::triggered, this,
                    [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
        }
        return a;
    };
    const auto menu = [this](const char* name, const char* caption) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    File1 = menu("File1", "File");
    LoadFlighPlans1 =
        action(File1, "LoadFlighPlans1", "Load  FlighPlans", &TForm1::LoadFlighPlans1Click);
    PrintTimeTable1 = action(File1, "PrintTimeTable1", "Print TimeTable", nullptr);
    File1->addSeparator()->setObjectName("N1");
    Exit1 = action(File1, "Exit1", "Exit", &TForm1::Exit1Click);
    Convert1 = menu("Convert1", "Convert");
    FlightPlan1 = action(Convert1, "FlightPlan1", "FlightPlan", &TForm1::FlightPlan1Click);
    Aircraft1 = action(Convert1, "Aircraft1", "Aircraft", &TForm1::Aircraft1Click);
    Options1 = menu("Options1", "Options");
    General1 = action(Options1, "General1", "General", &TForm1::General1Click);
    Help1 = menu("Help1", "Help");
    About1 = action(Help1, "About1", "About", &TForm1::About1Click);
}

void TForm1::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setFixedHeight(kStatusBarHeight);
    const char* texts[] = {"GMT:", "DSF:", ""};
    for (int i = 0; i < 3; ++i) {
        StatusPanels[i] = new QLabel(texts[i], bar);
        StatusPanels[i]->setObjectName(QString("StatusPanel%1").arg(i));
        // 50 pixels, or as wide as the text where the system's font is wider.
        StatusPanels[i]->setMinimumWidth(50);
        StatusPanels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(StatusPanels[i]);
    }
    StatusPanels[2]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_client && event->type() == QEvent::Resize) {
        layoutToWindowSize();
    }
    return QMainWindow::eventFilter(watched, event);
}

// The grid and the line above it follow the window when the user makes it larger.
void TForm1::layoutToWindowSize() {
    const int width = std::max(m_client->width(), kClientWidth) - 2;
    const int height = std::max(m_client->height(), kClientHeight) - 72 - 6;
    DBGrid1->setGeometry(0, 72, width, height);
    Bevel1->setGeometry(0, 64, width, 2);
}

int TForm1::radioItemIndex() const {
    return RadioGroup1Items->checkedId();
}

void TForm1::setRadioItemIndex(int index) {
    if (QAbstractButton* button = RadioGroup1Items->button(index)) {
        button->setChecked(true);
    }
}

// The start-up sequence: splash window, simulator, airport list, settings.
void TForm1::FormCreate() {
    std::unique_ptr<StartupSplash> splash = m_services.makeSplash();
    const StartupInputs in{*m_services.registry,
                           *m_services.search,
                           *splash,
                           *m_services.pauser,
                           inWorkingFolder("Airport.cds"),
                           [this] { return m_services.settings.readDefaultAirport(); }};
    StartupState state{FSPath, AircraftFolderList, ClientDataSet2, DefaultAirport};
    try {
        runStartupSequence(in, state);
    } catch (...) {
        // The splash window stays on top of every window: after a failed start-up it goes
        // before the error is shown, so the message and the main window are not hidden by it.
        splash->destroy();
        throw;
    }
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        guarded([this] { FormShow(); });
    }
}

void TForm1::FormShow() {
    setRadioItemIndex(0);
    StaticText2->setText(fromWindows1252(clockText(m_services.clock->now())));
    StatusPanels[0]->setText(QString::fromStdString(gmtText(m_services.timeZone.timezone)));
    StatusPanels[1]->setText(QString::fromStdString(dstText(m_services.timeZone.daylight)));
    DBLookupComboBox1->setKeyValue(DefaultAirport);
}

void TForm1::Timer1Timer() {
    StaticText2->setText(fromWindows1252(clockText(m_services.clock->now())));
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (m_busy) {
        // An import is under way in this window's handler; the window closes after it.
        event->ignore();
        return;
    }
    guarded([this] { FormClose(); });
    QMainWindow::closeEvent(event);
}

void TForm1::FormClose() {
    m_services.settings.writeDefaultAirport(DefaultAirport);
}

void TForm1::Exit1Click() {
    ClientDataSet1.close();
    ClientDataSet2.close();
    close();
}

void TForm1::RadioGroup1Click() {
    RunTimetableQuery();
}

void TForm1::DBLookupComboBox1Click() {
    RunTimetableQuery();
}

void TForm1::RunTimetableQuery() {
    const std::string weekday = weekdayDigit(m_services.clock->now());
    const TimetableQuery query = buildTimetableQuery(
        {DBLookupComboBox1->text(), DBLookupComboBox1->keyValue()}, radioItemIndex(), weekday);
    applyTimetableQuery(query, ClientDataSet1, [this](Direction direction) {
        for (std::size_t c = 2; c <= 5; ++c) {
            DBGrid1->setColumnHidden(static_cast<int>(c), !columnShown(c, direction));
        }
    });
}

void TForm1::LoadFlighPlans1Click() {
    loadFlightPlans(ClientDataSet1, inWorkingFolder(kFlightTableFile));
}

std::optional<std::filesystem::path> TForm1::openDialog1() {
    return m_services.chooseFile(this, OpenDialog1Filter.toStdString());
}

void TForm1::FlightPlan1Click() {
    BusyScope busy(m_busy);
    const FlightPlanFiles files{inWorkingFolder("aircraft.cds"), inWorkingFolder("flight.cds")};
    const Table* airports = ClientDataSet2.isOpen() ? &ClientDataSet2.table() : nullptr;
    const int offset = zoneOffset(m_services.timeZone.timezone, m_services.timeZone.daylight);
    ProgressBarSink progress(*ProgressBar1);
    convertFlightPlans(
        files, airports, offset,
        [this] {
            OpenDialog1Filter = "FlightPlan files (*.txt)|FlightPlans.TXT";
            return openDialog1();
        },
        progress);
}

void TForm1::Aircraft1Click() {
    BusyScope busy(m_busy);
    AircraftConfigReader airlines(FSPath, AircraftFolderList, *m_services.search,
                                  m_services.hostPaths);
    ProgressBarSink progress(*ProgressBar1);
    convertAircraft(
        [this](std::string_view filter) {
            OpenDialog1Filter =
                QString::fromUtf8(filter.data(), static_cast<qsizetype>(filter.size()));
            return openDialog1();
        },
        airlines, progress, inWorkingFolder("aircraft.cds"));
}

void TForm1::General1Click() {
    if (PagesDlg != nullptr) {
        PagesDlg->show();
        PagesDlg->raise();
        PagesDlg->activateWindow();
    }
}

void TForm1::About1Click() {
    TVersionAwareAbout box(&ownVersionInfo(), this);
    m_services.showModal(box);
}

} // namespace quillby::gui
