#include "GuiFixture.h"

#include "data/Schemas.h"
#include "data/TableFile.h"
#include "import/FlightTableWriter.h"
#include "gui/FlightGridModel.h"

#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QTableView>

namespace quillby::gui::test {

GuiFixture::GuiFixture() : search(std::make_unique<HostDirectorySearch>(HostPath(dir.path()))) {}

GuiFixture::~GuiFixture() = default;

GuiServices GuiFixture::services() {
    GuiServices s;
    s.clock = &clock;
    s.timeZone = {-3600, 1};
    s.workingFolder = dir.path();
    s.registry = &registry;
    s.search = search.get();
    s.hostPaths = HostPath(dir.path());
    s.settings = SettingsFile(dir / "config" / "tavro.ini");
    s.chooseFile = [this](QWidget*, std::string_view filter) {
        filters.emplace_back(filter);
        return nextFile;
    };
    s.reportError = [this](QWidget*, const QString& message) { errors << message; };
    s.showModal = [this](QDialog& dialog) {
        if (onModal) {
            onModal(dialog);
        }
    };
    s.makeSplash = [this] { return std::make_unique<RecordingSplash>(splashLog); };
    s.pauser = &pauses;
    return s;
}

TForm1& GuiFixture::makeWindow() {
    m_window = std::make_unique<TForm1>(services());
    return *m_window;
}

TForm1& GuiFixture::showLoadedWindow() {
    writeAirports();
    writeFlights();
    TForm1& window = makeWindow();
    window.show();
    window.LoadFlighPlans1->trigger();
    return window;
}

void GuiFixture::writeAirports() {
    Table airports({{"ICAO_CODE", 4}, {"DESCRIPTION", 30}});
    const std::pair<const char*, const char*> rows[] = {{"LIRF", "Roma Fiumicino"},
                                                        {"EGLL", "London Heathrow"},
                                                        {"LSZH", "Z\xFCrich"},
                                                        {"LIMC", "Milano Malpensa"}};
    for (const auto& [code, name] : rows) {
        const RowIndex r = airports.appendRow();
        airports.setValue(r, 0, code);
        airports.setValue(r, 1, name);
    }
    writeTableFile(airports, dir / "Airport.cds");
}

void GuiFixture::writeFlights() {
    Table flights = makeFlightTable();
    FlightTableWriter writer(flights);
    // Airline, departure code and name, arrival code and name, flight, times, weekdays.
    const FlightLeg legs[] = {
        {"Alitalia", "LIRF", "Roma Fiumicino", "EGLL", "London Heathrow", "AZ202", "09:40", "11:30",
         "0123456", "0123456"},
        {"Swiss", "LIRF", "Roma Fiumicino", "LSZH", "Z\xFCrich", "LX1727", "07:05", "08:40", "3",
         "3"},
        {"British Airways", "EGLL", "London Heathrow", "LIRF", "Roma Fiumicino", "BA548", "06:45",
         "10:20", "0123456", "0123456"},
        {"Alitalia", "LIRF", "Roma Fiumicino", "LIMC", "Milano Malpensa", "AZ2010", "06:45",
         "07:55", "1", "1"},
        {"Alitalia", "LIMC", "Milano Malpensa", "LIRF", "Roma Fiumicino", "AZ2011", "08:30",
         "09:40", "3", "3"},
    };
    for (const FlightLeg& leg : legs) {
        writer.append(leg);
    }
    writeTableFile(flights, dir / "flight.cds");
}

QStringList gridRows(const TForm1& window) {
    QStringList rows;
    const QAbstractItemModel* model = window.DBGrid1->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(); ++c) {
            if (!window.DBGrid1->isColumnHidden(c)) {
                cells << model->index(r, c).data().toString();
            }
        }
        rows << cells.join(" | ");
    }
    return rows;
}

QStringList visibleColumnTitles(const TForm1& window) {
    QStringList titles;
    const QAbstractItemModel* model = window.DBGrid1->model();
    for (int c = 0; c < model->columnCount(); ++c) {
        if (!window.DBGrid1->isColumnHidden(c)) {
            titles << model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        }
    }
    return titles;
}

void saveScreenshot(QWidget& widget, const QString& name) {
    const QString folder = QStringLiteral(QUILLBY_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    widget.grab().save(folder + "/" + name + ".png");
}

} // namespace quillby::gui::test
