// Turns the now fields of ClockState into the six part texts and, for
// formats 1-4, into clockText.
#pragma once

namespace tiklet {

void ComposeClockText();

}  // namespace tiklet
