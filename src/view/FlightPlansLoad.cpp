#include "view/FlightPlansLoad.h"

#include "data/Schemas.h"
#include "data/TableFile.h"

namespace quillby {

void loadFlightPlans(Dataset& flights, const std::filesystem::path& file) {
    Table table = readTableFile(file);
    // One change of the view, so that a grid works out the new one once.
    flights.changeAtOnce([&] {
        flights.open(std::move(table));
        flights.setIndexFieldNames(std::string(flightTable::kTimeDep));
    });
}

} // namespace quillby
