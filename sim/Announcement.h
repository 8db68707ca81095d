#pragma once

#include <QByteArray>

namespace sim {

class SimStore;

// The datagram a processor announces itself with.
namespace Announcement {

constexpr int Size = 106;
constexpr int LongSize = 110; // with a u32 7 inserted after the device id

// The processor's announcement: identity, address, run and total time, versions, texts, the
// running preset's name, the fault flag and the product code 1.
QByteArray encode(const SimStore &store, int form = Size);

} // namespace Announcement

} // namespace sim
