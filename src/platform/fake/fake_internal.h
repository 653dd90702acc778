// Resets of the fake services, each in its own file; ResetAll calls them all.
#pragma once

namespace tiklet::fake {

void ResetRegistry();
void ResetClock();
void ResetRecords();
void ResetGdi();
void ResetWindow();

}  // namespace tiklet::fake
