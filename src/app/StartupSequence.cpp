#include "app/StartupSequence.h"

#include "data/Schemas.h"
#include "data/TableFile.h"

#include <chrono>
#include <thread>

namespace quillby {

void SleepingPauser::pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void runStartupSequence(const StartupInputs& in, StartupState& state) {
    StartupSplash& splash = in.splash;
    const auto showText = [&splash](std::string_view text) {
        splash.setStatusText(text);
        splash.repaint();
    };
    const auto raiseGauge = [&splash] { splash.setGaugeValue(splash.gaugeValue() + 1); };

    splash.create();
    splash.setGaugeMaximum(100);
    splash.setGaugeMinimum(0);
    splash.show();
    splash.setGaugeValue(10);
    showText("Finding MS-FS2002 Directory...");
    state.FSPath = readFSPath(in.registry);
    in.pauser.pause(250);

    showText("Finding Aircraft.cfgs...");
    state.aircraftFolders = listAircraftFolders(state.FSPath, in.search, [&](const DirectoryEntry&) {
        raiseGauge();
        splash.repaint();
        in.pauser.pause(100);
    });
    raiseGauge();

    showText("Loading airports name...");
    state.airports.open(readTableFile(in.airportFile));
    state.airports.setIndexFieldNames(std::string(airportTable::kDescription));
    splash.setGaugeValue(90);

    state.DefaultAirport = in.readDefaultAirport();
    showText("Reading ini file...");
    in.pauser.pause(75);
    splash.setGaugeValue(100);
    showText("Ok for now...!");
    in.pauser.pause(1000);
    splash.destroy();
}

} // namespace quillby
