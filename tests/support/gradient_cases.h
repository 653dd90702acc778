// Gradient cases shared by the fake-canvas test and the real-GDI test: both
// must give exactly these rows.
#pragma once

#include <cstdint>

namespace tiklet::testing {

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b) << 16;
}

struct GradientCase {
    const char* label;
    std::uint32_t startColor, endColor;
    int height;
    int redStep, greenStep, blueStep;
    std::uint32_t row0, row1, lastRow;
};

inline const GradientCase kGradientCases[] = {
    {"WhiteToNavy", Rgb(255, 255, 255), Rgb(0, 0, 128), 48, 5, 5, 2, Rgb(255, 255, 255), Rgb(250, 250, 253),
     Rgb(20, 20, 161)},
    {"RisingRed", Rgb(0, 0, 0), Rgb(255, 0, 0), 48, -5, 0, 0, Rgb(0, 0, 0), Rgb(5, 0, 0), Rgb(235, 0, 0)},
    {"DifferenceBelowHeight", Rgb(0, 0, 200), Rgb(0, 0, 180), 48, 0, 0, 0, Rgb(0, 0, 200), Rgb(0, 0, 200),
     Rgb(0, 0, 200)},
    {"EqualColours", Rgb(10, 120, 230), Rgb(10, 120, 230), 32, 0, 0, 0, Rgb(10, 120, 230), Rgb(10, 120, 230),
     Rgb(10, 120, 230)},
    {"HighBitsIgnored", 0xFF000000u | Rgb(255, 255, 255), 0x7F000000u | Rgb(0, 0, 128), 48, 5, 5, 2,
     Rgb(255, 255, 255), Rgb(250, 250, 253), Rgb(20, 20, 161)},
};

}  // namespace tiklet::testing
