#include "platform/registry.h"
#include "state/clock_state.h"

namespace tiklet {

const char* const kSettingsKey = "\\SOFTWARE\\Nuvor Soft\\Tiklet";

void ReadSettings() {
    TRegistry registry;
    registry.SetRootKey(RootKey::CurrentUser);
    // Whether the key could be opened is not looked at: when it cannot, the
    // first read fails and says which value was missing.
    registry.OpenKey(kSettingsKey, true);

    auto low16 = [&](const char* name) { return static_cast<std::uint16_t>(registry.ReadInteger(name)); };
    auto all32 = [&](const char* name) { return static_cast<std::uint32_t>(registry.ReadInteger(name)); };

    ClockState.left = low16("left");
    ClockState.top = low16("top");
    transparency = low16("transparency");
    ClockState.startColor = all32("startcolor");
    ClockState.endColor = all32("endcolor");
    ClockState.fontColor = all32("fontcolor");
    ClockState.fontName = registry.ReadString("fontname");
    ClockState.italic = registry.ReadInteger("italic") != 0 ? 1 : 0;
    ClockState.fontHeight = low16("fontheight");
    ClockState.fontWeight = low16("bold");
    ClockState.style = low16("style");
    ClockState.format = low16("format");
    if (registry.ReadInteger("language") == 1) UseRussianNames();
}

}  // namespace tiklet
