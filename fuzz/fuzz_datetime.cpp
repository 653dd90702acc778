// The date-time readers on arbitrary bytes: each either gives a value whose
// text reads back to the same value, or raises EConvertError with its own
// message about exactly that text.
#include <cmath>

#include "fuzz_support.h"
#include "platform/datetime.h"
#include "platform/exceptions.h"

using namespace tiklet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    struct Reader {
        TDateTime (*read)(const std::string&);
        const char* message;
    };
    const Reader readers[] = {{StrToDateTime, "'%s' is not a valid date and time"},
                              {StrToDate, "'%s' is not a valid date"},
                              {StrToTime, "'%s' is not a valid time"}};
    for (const Reader& r : readers) {
        try {
            const TDateTime value = r.read(text);
            if (!std::isfinite(value)) fuzz::Fail("not finite", text);
            if (StrToDateTime(DateTimeToStr(value)) != value) fuzz::Fail("no round trip", text);
        } catch (const EConvertError& e) {
            // what() is a C string: a text with a NUL byte shows up to it.
            if (std::string(e.what()) != FormatError(r.message, text).c_str()) fuzz::Fail("wrong message", e.what());
        }
    }
    TDateTime full;
    std::int64_t seconds = 0;
    const bool asValue = TryStrToFullDateTime(text, full);
    if (asValue != TryStrToFullDateTimeSeconds(text, seconds)) fuzz::Fail("readers disagree", text);
    if (asValue) {
        const std::int64_t ms = ToMilliseconds(full);
        if (seconds != (ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000))) fuzz::Fail("seconds differ", text);
    }
    return 0;
}
