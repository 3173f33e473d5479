#pragma once

#include "app/SimulatorDiscovery.h"
#include "platform/Dataset.h"
#include "platform/DirectorySearch.h"
#include "platform/Registry.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace quillby {

// The splash window as the start-up sequence drives it: the window shows a status text and a
// gauge and is repainted only when asked, since no message loop runs yet.
class StartupSplash {
public:
    virtual ~StartupSplash() = default;
    virtual void create() = 0; // made and visible at once
    virtual void show() = 0;   // brought to the front
    virtual void setGaugeMaximum(int maximum) = 0;
    virtual void setGaugeMinimum(int minimum) = 0;
    virtual int gaugeValue() const = 0;
    // Held within the gauge's bounds; the gauge repaints itself when its percentage changes.
    virtual void setGaugeValue(int value) = 0;
    virtual void setStatusText(std::string_view text) = 0;
    virtual void repaint() = 0;
    virtual void destroy() = 0;
};

// The fixed pauses of the start-up: the real one sleeps, a test's records.
class Pauser {
public:
    virtual ~Pauser() = default;
    virtual void pause(int milliseconds) = 0;
};

class SleepingPauser final : public Pauser {
public:
    void pause(int milliseconds) override;
};

// What the start-up reads.
struct StartupInputs {
    const Registry& registry;
    const DirectorySearch& search;
    StartupSplash& splash;
    Pauser& pauser;
    std::filesystem::path airportFile;               // "Airport.cds" in the working folder
    std::function<std::string()> readDefaultAirport; // from the settings file
};

// What the start-up fills: the main window's members and its airport table.
struct StartupState {
    std::string& FSPath;
    AircraftFolderList& aircraftFolders;
    Dataset& airports;
    std::string& DefaultAirport;
};

// The start-up sequence, run while the main window is made: the splash window with its texts,
// gauge steps and pauses; the simulator's folder from the registry and its aircraft folders;
// the airport table, ordered by name; the default airport from the settings file. An error
// (typically an airport list that cannot be read) ends the sequence at its step: the steps after
// it do not run and the error goes to the caller, which shows it; the splash window then stays
// until the caller removes it.
void runStartupSequence(const StartupInputs& in, StartupState& state);

} // namespace quillby
