// ReadSettings over a settings key built from the input: values with any
// name, type, size and bytes. The only way out other than success is an
// ERegistryException with one of the store's texts about one of the values
// read; the key is always closed again.
#include "fuzz_support.h"
#include "platform/exceptions.h"
#include "platform/fake/fake.h"
#include "state/clock_state.h"

using namespace tiklet;

namespace {
const char* const kNames[] = {"left",     "top",  "transparency", "startcolor", "endcolor", "fontcolor", "fontname",
                              "italic", "fontheight", "bold",   "style",      "format",   "language"};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fake::ResetAll();
    ClockState = TClockState{};
    UseEnglishNames();
    fuzz::Input in(data, size);
    const char* key = "SOFTWARE\\Nuvor Soft\\Tiklet";
    while (!in.Empty()) {
        const std::uint8_t pick = in.Byte();
        const std::string name = pick < 13 * 16 ? kNames[pick % 13] : in.Bytes(12);
        const std::uint32_t types[] = {kRegNone, kRegSz, kRegExpandSz, kRegBinary, kRegDword, kRegMultiSz, kRegQword};
        const std::uint32_t type = types[in.Byte() % 7];
        fake::SetRawValue(key, name, type, in.Bytes(64));
    }
    try {
        ReadSettings();
    } catch (const ERegistryException& e) {
        const std::string text = e.what();
        bool known = false;
        for (const char* n : kNames)
            known = known || text == FormatError("Failed to get data for '%s'", n) ||
                    text == FormatError("Invalid data type for '%s'", n);
        if (!known) fuzz::Fail("unexpected message", text);
    }
    if (fake::OpenKeyHandles() != 0) fuzz::Fail("key left open", "");
    if (ClockState.italic > 1) fuzz::Fail("italic out of range", "");
    return 0;
}
