#pragma once

#include "SimIdentity.h"

#include <QByteArray>

namespace sim {

class SimStore;

// The datagram a processor announces itself with.
namespace Announcement {

constexpr int Size = 106;
constexpr int LongSize = 110; // with a u32 7 inserted after the device id
constexpr int FirmwareForm = 0; // the form of the control firmware's family

// Processors whose control firmware has major version 5 announce in the long form.
int formOf(const FirmwareVersion &armVersion);

// The processor's announcement: identity, address, run and total time, versions, texts, the
// running preset's name, the fault flag and the product code 1. FirmwareForm follows the
// store's control firmware version.
QByteArray encode(const SimStore &store, int form = FirmwareForm);

} // namespace Announcement

} // namespace sim
