#pragma once

#include "app/Gauge.h"
#include "gui/GuiServices.h"
#include "gui/TForm1.h"
#include "platform/Clock.h"
#include "platform/Table.h"
#include "platform/WineRegistry.h"
#include "support/TempDir.h"

#include <memory>
#include <ostream>
#include <vector>

#include <QStringList>

class QDialog;

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << "{\n";
    for (const QString& text : texts) {
        *out << "  \"" << text.toStdString() << "\"\n";
    }
    *out << "}";
}

namespace quillby::gui::test {

// A splash window that only records what the start-up shows.
class RecordingSplash final : public StartupSplash {
public:
    explicit RecordingSplash(std::vector<std::string>& log) : m_log(log) {}
    void create() override { m_log.push_back("splash"); }
    void show() override {}
    void setGaugeMaximum(int maximum) override { m_gauge.setMaximum(maximum); }
    void setGaugeMinimum(int minimum) override { m_gauge.setMinimum(minimum); }
    int gaugeValue() const override { return m_gauge.value(); }
    void setGaugeValue(int value) override { m_gauge.setValue(value); }
    void setStatusText(std::string_view text) override { m_log.push_back(std::string(text)); }
    void repaint() override {}
    void destroy() override { m_log.push_back("splash gone"); }

private:
    std::vector<std::string>& m_log;
    Gauge m_gauge;
};

class NoPauses final : public Pauser {
public:
    void pause(int) override {}
};

// The outside world of a window under test: a working folder of its own, a fixed clock (a
// Wednesday), Rome's time zone, no simulator, a file dialog that answers with `nextFile`, and
// message boxes and modal dialogs that are recorded instead of shown.
class GuiFixture {
public:
    GuiFixture();
    ~GuiFixture();

    quillby::test::TempDir dir;
    FixedClock clock{{2026, 12, 9, 14, 5, 3, 3}};
    NoPauses pauses;
    WineRegistry registry;
    std::unique_ptr<DirectorySearch> search;
    std::vector<std::string> splashLog;
    QStringList errors;
    std::vector<std::string> filters;              // every filter the file dialog was opened with
    std::optional<std::filesystem::path> nextFile; // what the file dialog answers
    std::function<void(QDialog&)> onModal;         // what a test does with a modal dialog

    GuiServices services();
    // A main window made with services(); the fixture keeps it.
    TForm1& makeWindow();
    TForm1& window() { return *m_window; }
    // Both tables written, the window made and shown, and File > "Load  FlighPlans" chosen.
    TForm1& showLoadedWindow();

    // Table files of the working folder.
    void writeAirports();
    void writeFlights();

private:
    std::unique_ptr<TForm1> m_window;
};

// The grid's shown rows as text: each row's visible cells joined by " | ".
QStringList gridRows(const TForm1& window);
QStringList visibleColumnTitles(const TForm1& window);

// Saves a picture of a widget into the build folder, for people to look at.
void saveScreenshot(QWidget& widget, const QString& name);

} // namespace quillby::gui::test
