#include "view/FlightPlansLoad.h"

#include "data/Schemas.h"
#include "data/TableFile.h"

namespace quillby {

void loadFlightPlans(Dataset& flights, const std::filesystem::path& file) {
    Table table = readTableFile(file);
    flights.open(std::move(table));
    flights.setIndexFieldNames(std::string(flightTable::kTimeDep));
}

} // namespace quillby
