#include "AircraftInstallationGenerator.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace quillby::bench {

namespace {

namespace fs = std::filesystem;

struct Type {
    const char* maker;
    const char* model;
    const char* sim;
    const char* atcType;
};

const Type kTypes[] = {
    {"Boeing", "737-400", "b737_400", "BOEING"}, {"Boeing", "747-400", "b747_400", "BOEING"},
    {"Boeing", "757-200", "b757_200", "BOEING"}, {"Boeing", "777-300ER", "b777_300", "BOEING"},
    {"Airbus", "A320-200", "a320", "AIRBUS"},    {"Airbus", "A340-300", "a340", "AIRBUS"},
    {"Embraer", "190", "emb190", "EMBRAER"},     {"Bombardier", "CRJ-700", "crj700", "CANADAIR"},
    {"BAe", "146-200", "bae146", "BAE"},         {"Fokker", "F100", "f100", "FOKKER"},
};

std::string letters(std::mt19937& random, std::size_t count, char first = 'A') {
    std::string s;
    for (std::size_t i = 0; i < count; ++i) {
        s += static_cast<char>(first + random() % 26);
    }
    return s;
}

struct Airline {
    std::string code;     // three letters, as atc_parking_codes gives them
    std::string callsign; // atc_airline
    std::string name;     // ui_variation
};

std::vector<Airline> makeAirlines(std::mt19937& random, std::size_t count) {
    std::vector<Airline> airlines;
    for (std::size_t i = 0; i < count; ++i) {
        Airline a;
        a.code = letters(random, 3);
        a.callsign = letters(random, 4 + random() % 6);
        a.name = letters(random, 1) + letters(random, 3 + random() % 8, 'a') + " Airlines";
        airlines.push_back(std::move(a));
    }
    return airlines;
}

// Writes `text` with the line ends the file uses.
class ConfigText {
public:
    explicit ConfigText(bool crlf) : m_lineEnd(crlf ? "\r\n" : "\n") {}
    ConfigText& line(const std::string& text) {
        m_text += text;
        m_text += m_lineEnd;
        return *this;
    }
    const std::string& text() const { return m_text; }

private:
    const char* m_lineEnd;
    std::string m_text;
};

void livery(ConfigText& out, std::mt19937& random, std::size_t n, const std::string& title,
            const Type& type, const Airline& airline) {
    static const char* const kSectionSpelling[] = {"fltsim", "Fltsim", "FLTSIM"};
    out.line(std::string("[") + kSectionSpelling[random() % 3] + "." + std::to_string(n) + "]")
        .line("title=" + title)
        .line(std::string("sim=") + type.sim)
        .line("model=")
        .line("panel=")
        .line("sound=")
        .line("texture=" + airline.code + "." + letters(random, 2))
        .line("kb_checklists=" + std::string(type.sim) + "_check")
        .line("atc_id=" + letters(random, 1) + "-" + letters(random, 4))
        .line("atc_airline=" + airline.callsign)
        .line("atc_flight_number=")
        .line("atc_heavy=" + std::to_string(random() % 2))
        .line("atc_parking_types=GATE")
        .line("atc_parking_codes=" + airline.code)
        .line(std::string("ui_manufacturer=") + type.maker)
        .line(std::string("ui_type=\"") + type.model + "\"")
        .line("ui_variation=" + airline.name)
        .line("ui_typerole=\"Commercial Airliner\"")
        .line("ui_createdby=\"Synthetic Traffic\"")
        .line("description=\"" + airline.name + " " + type.model + ", painted by " +
              letters(random, 1) + letters(random, 6, 'a') + "\"")
        .line("");
}

// The flight model and the rest: most of a real file's lines.
void flightModel(ConfigText& out, std::mt19937& random, const Type& type) {
    out.line("[General]")
        .line(std::string("atc_type=") + type.atcType)
        .line(std::string("atc_model=") + type.model)
        .line("editable=0")
        .line("performance=\"Cruise speed: 450 kts\"")
        .line("Category=airplane")
        .line("")
        .line("[WEIGHT_AND_BALANCE]")
        .line("max_gross_weight = " + std::to_string(120000 + random() % 400000))
        .line("empty_weight = " + std::to_string(60000 + random() % 200000) + "  // (pounds)")
        .line("reference_datum_position = 0.0, 0.0, 0.0")
        .line("empty_weight_CG_position = " + std::to_string(random() % 10) + ", 0.0, 0.0")
        .line("max_number_of_stations = 50")
        .line("")
        .line("[flight_tuning]")
        .line("cruise_lift_scalar=1.0")
        .line("parasite_drag_scalar=1.0")
        .line("induced_drag_scalar=1.0")
        .line("elevator_effectiveness=1.0")
        .line("aileron_effectiveness=1.0")
        .line("rudder_effectiveness=1.0")
        .line("")
        .line("[GeneralEngineData]")
        .line("engine_type = 1 //0=Piston, 1=Jet, 2=None, 3=Helo-Turbine, 4=Rocket, 5=Turboprop")
        .line("fuel_flow_scalar= 1.0")
        .line("min_throttle_limit= -0.25");
    const unsigned engines = 2 + random() % 3;
    for (unsigned e = 0; e < engines; ++e) {
        out.line("Engine." + std::to_string(e) + " = " + std::to_string(random() % 40) + ".0, " +
                 std::to_string(random() % 60) + ".0, -5.0");
    }
    out.line("")
        .line("[TurbineEngineData]")
        .line("fuel_flow_gain = 0.002")
        .line("inlet_area = 19.6")
        .line("rated_N2_rpm = 29920")
        .line("static_thrust = " + std::to_string(20000 + random() % 80000))
        .line("reverser_available = 1")
        .line("")
        .line("[contact_points]")
        .line("static_pitch = 0.0")
        .line("static_cg_height = 10.5")
        .line("gear_system_type=1");
    const unsigned points = 12 + random() % 20;
    for (unsigned p = 0; p < points; ++p) {
        out.line("point." + std::to_string(p) + " = " + std::to_string(random() % 5) + ", " +
                 std::to_string(random() % 80) + ".00, " + std::to_string(random() % 70) +
                 ".00, -10.50, 1600, 0, 1.50, 55.00, 0.60, 2.50, 0.70, 4.00, 4.00, 0, 200, 250");
    }
    out.line("").line("[lights]").line("//Types: 1=beacon, 2=strobe, 3=navigation, 4=cockpit");
    const unsigned lights = 8 + random() % 20;
    for (unsigned l = 0; l < lights; ++l) {
        out.line("light." + std::to_string(l) + " = " + std::to_string(1 + random() % 6) +
                 ", -28.00, 0.00, 8.00, fx_navwhih ,");
    }
    out.line("")
        .line("[Views]")
        .line("eyepoint= 50.80, -1.50, 7.00")
        .line("")
        .line("[Reference Speeds]")
        .line("flaps_up_stall_speed = 130.0")
        .line("full_flaps_stall_speed = 100.0")
        .line("cruise_speed = " + std::to_string(400 + random() % 100) + ".0")
        .line("max_indicated_speed = 340")
        .line("")
        .line("[airplane_geometry]")
        .line("wing_area = 1341.0")
        .line("wing_span = 112.6")
        .line("wing_root_chord = 15.5")
        .line("wing_dihedral = 6.0")
        .line("wing_incidence = 2.0")
        .line("htail_area = 336.0")
        .line("vtail_area = 239.0")
        .line("");
    const unsigned flaps = 1 + random() % 2;
    for (unsigned f = 0; f < flaps; ++f) {
        out.line("[flaps." + std::to_string(f) + "]")
            .line("type= 1")
            .line("span-outboard= 0.8")
            .line("extending-time= 18")
            .line("flaps-position.0= 0, 0")
            .line("flaps-position.1= 1, 0")
            .line("flaps-position.2= 5, 0")
            .line("flaps-position.3= 15, 0")
            .line("flaps-position.4= 30, 0")
            .line("damaging-speed= 250")
            .line("blowout-speed= 300")
            .line("");
    }
    for (const char* section :
         {"[electrical]", "[hydraulic_system]", "[pneumatic_system]", "[fuel]",
          "[keyboard_response]", "[direction_indicators]", "[attitude_indicators]",
          "[turn_indicators]", "[autopilot]", "[brakes]", "[gear_warning_system]", "[Radios]"}) {
        out.line(section);
        const unsigned keys = 6 + random() % 12;
        for (unsigned k = 0; k < keys; ++k) {
            out.line(letters(random, 4 + random() % 12, 'a') + "_" + letters(random, 3, 'a') +
                     " = " + std::to_string(random() % 1000) + ", " +
                     std::to_string(random() % 100) + " ; " + letters(random, 12, 'a'));
        }
        out.line("");
    }
}

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

GeneratedInstallation generateAircraftInstallation(const fs::path& where, std::size_t folders,
                                                   std::size_t listLines, unsigned seed) {
    std::mt19937 random(seed);
    GeneratedInstallation out;
    out.prefix = where / "prefix";
    out.FSPath = "C:\\FS2002";
    fs::create_directories(out.prefix / "dosdevices");
    fs::create_directory_symlink("../drive_c", out.prefix / "dosdevices/c:");
    const fs::path aircraft = out.prefix / "drive_c/FS2002/Aircraft";

    const std::vector<Airline> airlines = makeAirlines(random, 400);
    std::vector<std::string> titles;
    for (std::size_t f = 0; f < folders; ++f) {
        const Type& type = kTypes[random() % std::size(kTypes)];
        const std::string folder =
            std::string(type.sim) + "_" + letters(random, 3, 'a') + std::to_string(f);
        out.folders.push_back(folder);
        ConfigText text(random() % 2 == 0);
        const std::size_t sections = 1 + random() % 20;
        // Like the big AI packages: the first livery on top, the others after the flight model.
        const bool liveriesAfterModel = random() % 3 == 0;
        for (std::size_t n = 0; n < sections; ++n) {
            if (n == 1 && liveriesAfterModel) {
                flightModel(text, random, type);
            }
            std::string title;
            if (!titles.empty() && random() % 50 == 0) {
                title = titles[random() % titles.size()]; // the same livery in two folders
            } else {
                const Airline& a = airlines[random() % airlines.size()];
                title = std::string(type.maker) + " " + type.model + " " + a.name + " " +
                        letters(random, 1) + "-" + letters(random, 4);
            }
            livery(text, random, n, title, type, airlines[random() % airlines.size()]);
            titles.push_back(std::move(title));
        }
        if (!(sections > 1 && liveriesAfterModel)) {
            flightModel(text, random, type);
        }
        const char* name = random() % 4 == 0 ? "Aircraft.cfg" : "aircraft.cfg";
        writeFile(aircraft / folder / name, text.text());
        out.liveries += sections;
        out.configBytes += text.text().size();
    }

    std::string list;
    for (std::size_t i = 0; i < listLines; ++i) {
        const std::string title = random() % 10 == 0 ? "Unknown Livery " + letters(random, 6)
                                                     : titles[random() % titles.size()];
        list += "AC#" + std::to_string(1000 + i) + "," + std::to_string(400 + random() % 100) +
                ",\"" + title + "\"\r\n";
    }
    out.aircraftList = where / "Aircraft.TXT";
    writeFile(out.aircraftList, list);
    return out;
}

} // namespace quillby::bench
