#pragma once

namespace sim {

// Pacing of what the processor does by itself.
struct SimTiming
{
    int announceMs = 1000; // between announcements
    int rebootMs = 5000; // a firmware upgrade's reboot, until the processor announces again
    int loadStepMs = 200; // between the progress reports of a preset load (five steps)
    int tickMs = 100; // housekeeping: USB player, Dante module, connection faults
};

} // namespace sim
