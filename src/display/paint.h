// The clock face: a vertical gradient drawn one pixel row at a time, then
// clockText centred over a black shadow.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace tiklet {

struct GradientSteps {
    std::int32_t red = 0, green = 0, blue = 0;               // components of the top row
    std::int32_t redStep = 0, greenStep = 0, blueStep = 0;   // subtracted after each row
};

// From startColor, endColor and height of ClockState; a height of 0 gives
// steps of 0 (there are no rows to step through).
GradientSteps ComputeGradientSteps();

// The colour of row `row` of the gradient.
Colour GradientRowColour(const GradientSteps& steps, int row);

// Draws the whole window: every row of the gradient, the shadow, the text.
void PaintClock(WindowHandle window, const GradientSteps& steps);

}  // namespace tiklet
