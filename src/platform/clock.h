// The clock service: the machine's local date and time.
#pragma once

#include <cstdint>

namespace tiklet {

struct LocalTime {
    std::uint16_t year = 0, month = 0, day = 0;
    std::uint16_t hour = 0, minute = 0, second = 0, millisecond = 0;
};

// The local date and time at the moment of the call (the real backend asks
// the system; the fake one answers with its settable clock).
LocalTime GetLocalTimeNow();

}  // namespace tiklet
