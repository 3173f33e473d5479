#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace quillby::bench {

// A simulator installation of realistic shape for measuring the aircraft import, written into a
// Wine prefix on disk: C:\FS2002\Aircraft\<folder>\aircraft.cfg for each aircraft folder, every
// file with 1 to 20 fltsim sections (title, sim, texture, atc_airline, atc_parking_codes,
// ui_variation, ...) and the [General], flight-model, contact-point, light and view sections that
// make real files 10 to 60 KB long. Section names in mixed case, some files with CR LF line ends
// or named Aircraft.cfg, some liveries placed after the flight model as real files have them,
// and a few titles shared between folders. The aircraft list has lines
// AC#n,speed,"title": most titles are in some file, about one in ten is in none. The same seed
// gives the same installation.
struct GeneratedInstallation {
    std::filesystem::path prefix; // the Wine prefix (dosdevices/c: -> ../drive_c)
    std::string FSPath;           // "C:\FS2002", as the registry holds it
    std::vector<std::string> folders;
    std::filesystem::path aircraftList; // Aircraft.TXT, beside the prefix
    std::size_t liveries = 0;           // fltsim sections written
    std::size_t configBytes = 0;        // bytes of all aircraft.cfg files
};

GeneratedInstallation generateAircraftInstallation(const std::filesystem::path& where,
                                                   std::size_t folders, std::size_t listLines,
                                                   unsigned seed = 2002);

} // namespace quillby::bench
