#pragma once

#include <string_view>

namespace quillby {

// Where the aircraft import finds the airline of an aircraft title: the simulator's aircraft
// configuration files, or a prepared answer in tests.
class AirlineSource {
public:
    virtual ~AirlineSource() = default;

    // The airline the simulator's configuration gives the aircraft with this exact title; "0"
    // when its configuration names no airline; "" when no aircraft has the title. Never fails:
    // what cannot be read only narrows the search. The view stays valid while the source lives.
    virtual std::string_view GetAirline(std::string_view title) = 0;
};

} // namespace quillby
