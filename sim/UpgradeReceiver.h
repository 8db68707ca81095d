#pragma once

#include "SimIdentity.h"

#include <QByteArray>
#include <QVector>

namespace sim {

// The firmware upgrade exchange with one control program:
//   00 00 -> ready: 00 00 identifier;  00 01 b data -> 00 01 b per block.
// A block shorter than 512 bytes ends the image. Its last 10 bytes are the trailer:
//   u16 identifier, major, minor, patch, 5 bytes not examined.
// An image whose identifier is not this hardware's, or whose version (the trailer's minor
// number, a signed byte) is older than the running control firmware's, gets status 255; a block
// out of turn 254.
// On request the processor refuses every image: 255 at the first block, 254 at the last.
class UpgradeReceiver
{
public:
    static constexpr int BlockSize = 512;
    static constexpr int TrailerSize = 10;

    struct Outcome
    {
        QVector<QByteArray> data; // UpgradeData reply payloads
        int status = -1; // UpgradeStatus to report, -1 none
        bool installed = false; // the image is complete and good
        FirmwareVersion version {};
    };

    Outcome handle(const QByteArray &payload, quint16 identifier, const FirmwareVersion &running,
                   int reject);

private:
    Outcome fail(int status);

    bool m_active = false;
    int m_nextBlock = 0;
    QByteArray m_image;
};

} // namespace sim
