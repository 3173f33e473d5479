#pragma once

#include "app/SimulatorDiscovery.h"
#include "gui/ErrorGuard.h"
#include "gui/GuiServices.h"
#include "platform/Dataset.h"

#include <string>

#include <QMainWindow>

class QAction;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace quillby::gui {

class AirportChooser;
class FlightGridModel;
class TPagesDlg;

// The main window: the board of one airport's departures or arrivals of the day, with the menu
// commands that convert the simulator's files, load the timetable, set the options and show
// the About box. Making it runs the start-up sequence.
class TForm1 final : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(GuiServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The options dialog, made after the window (it lists this window's airports).
    void setOptionsDialog(TPagesDlg* dialog) { PagesDlg = dialog; }

    // Runs a handler inside the program's error report.
    template <typename Handler> void guarded(Handler&& handler) {
        runGuarded(this, m_services.reportError, std::forward<Handler>(handler));
    }

    // The members the start-up fills and the settings keep.
    std::string FSPath;
    std::string DefaultAirport;
    quillby::AircraftFolderList AircraftFolderList;

    Dataset ClientDataSet1; // the flight table the board shows
    Dataset ClientDataSet2; // the airport table

    QGroupBox* RadioGroup1;
    QButtonGroup* RadioGroup1Items;
    QLabel* StaticText1;
    QPushButton* Button1;
    QTableView* DBGrid1;
    QLabel* StaticText2;
    QProgressBar* ProgressBar1;
    AirportChooser* DBLookupComboBox1;
    QFrame* Bevel1;
    QLabel* StatusPanels[3];
    QTimer* Timer1;
    QString OpenDialog1Filter = "txt|*.txt";
    TPagesDlg* PagesDlg = nullptr;

    QMenu* File1;
    QAction* LoadFlighPlans1;
    QAction* PrintTimeTable1;
    QAction* Exit1;
    QMenu* Convert1;
    QAction* FlightPlan1;
    QAction* Aircraft1;
    QMenu* Options1;
    QAction* General1;
    QMenu* Help1;
    QAction* About1;

    // The direction chooser's item: 0 Departure, 1 Arrival, -1 none.
    int radioItemIndex() const;
    void setRadioItemIndex(int index);

    // Handlers, under the names the program's users and tests know them by.
    void FormCreate();
    void FormShow();
    void FormClose();
    void LoadFlighPlans1Click();
    void Exit1Click();
    void FlightPlan1Click();
    void Aircraft1Click();
    void General1Click();
    void About1Click();
    void RadioGroup1Click();
    void DBLookupComboBox1Click();
    void Timer1Timer();
    void RunTimetableQuery();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void buildStatusBar();
    void setColumnWidths();
    void layoutToWindowSize();
    std::optional<std::filesystem::path> openDialog1();
    std::filesystem::path inWorkingFolder(const char* name) const;

    GuiServices m_services;
    QWidget* m_client = nullptr;
    FlightGridModel* m_gridModel = nullptr;
    bool m_busy = false; // an import runs: closing waits for it
};

} // namespace quillby::gui
