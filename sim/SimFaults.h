#pragma once

#include <QtGlobal>

namespace sim {

// Faults of the link that a test or a demonstration asks the processor to show. Faults of the
// hardware (DSP, codec, supply rails) are part of the processor's state instead.
struct SimFaults
{
    qint64 silentAfterMs = -1; // after this long on a connection, stop answering; -1 never
    qint64 dropAfterMs = -1; // after this long on a connection, drop it; -1 never
    qint64 garbageEveryMs = 0; // send stray bytes before a reply this often; 0 never
    bool byteByByte = false; // send replies one byte at a time
    int rejectUpgrade = 0; // 254 or 255: refuse every firmware image with that status
    // Drop the connection instead of answering the preset block request or block after this
    // many blocks of one exchange; -1 never.
    int dropAfterPresetBlocks = -1;
};

} // namespace sim
