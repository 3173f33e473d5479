#include "gui/Program.h"

#include "app/WorkingFolder.h"
#include "gui/Artwork.h"
#include "gui/FileDialog.h"
#include "gui/TForm1.h"
#include "gui/TPagesDlg.h"
#include "gui/TSplashForm.h"
#include "platform/WineRegistry.h"

#include <cstdlib>
#include <ctime>

#include <QApplication>
#include <QMessageBox>

namespace quillby::gui {

namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view() : std::string_view(value);
}

int thisYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

void showError(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Critical, "Quillby", message, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

struct RealServices::Parts {
    SystemClock clock;
    SleepingPauser pauser;
    std::filesystem::path winePrefix;
    WineRegistry registry;
    std::unique_ptr<HostDirectorySearch> search;
    std::filesystem::path workingFolder;
    TimeZoneValues timeZone;
};

RealServices::RealServices() : m_parts(std::make_unique<Parts>()) {
    tzset();
    m_parts->timeZone = timeZoneValues(thisYear());
    m_parts->winePrefix = findWinePrefix(environment("WINEPREFIX"), environment("HOME"))
                              .value_or(std::filesystem::path());
    if (!m_parts->winePrefix.empty()) {
        m_parts->registry = WineRegistry::load(m_parts->winePrefix / "system.reg");
    }
    m_parts->search = std::make_unique<HostDirectorySearch>(HostPath(m_parts->winePrefix));
    m_parts->workingFolder = chooseWorkingFolder(
        {std::filesystem::current_path(), environment("XDG_DATA_HOME"), environment("HOME"),
         shippedAirportFiles(QCoreApplication::applicationFilePath().toStdString())});
}

RealServices::~RealServices() = default;

GuiServices RealServices::services() const {
    GuiServices s;
    s.clock = &m_parts->clock;
    s.timeZone = m_parts->timeZone;
    s.workingFolder = m_parts->workingFolder;
    s.registry = &m_parts->registry;
    s.search = m_parts->search.get();
    s.hostPaths = HostPath(m_parts->winePrefix);
    s.settings = SettingsFile(
        SettingsFile::defaultLocation(environment("XDG_CONFIG_HOME"), environment("HOME")));
    const std::filesystem::path folder = m_parts->workingFolder;
    s.chooseFile = [folder](QWidget* parent, std::string_view filter) {
        return chooseFileToOpen(parent, filter, folder);
    };
    s.reportError = showError;
    s.showModal = [](QDialog& dialog) { dialog.exec(); };
    s.makeSplash = [] { return std::make_unique<SplashWindow>(); };
    s.pauser = &m_parts->pauser;
    return s;
}

int runProgram(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quillby");
    QApplication::setApplicationDisplayName("Quillby");
    QApplication::setWindowIcon(QIcon(programIcon(64)));
    try {
        const RealServices real;
        TForm1 form(real.services());
        TPagesDlg options(form);
        form.setOptionsDialog(&options);
        form.show();
        QApplication::exec();
    } catch (const std::exception& e) {
        showError(nullptr, QString::fromUtf8(e.what()));
    } catch (...) {
        showError(nullptr, QString());
    }
    return 0;
}

} // namespace quillby::gui
