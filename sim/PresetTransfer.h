#pragma once

#include <QByteArray>
#include <QString>

namespace sim {

class SimStore;

// The block exchanges of preset export and import with one control program.
//   Export (16 all slots, 18 one slot): 00 00 [slot] -> 00 00 N; 00 01 b -> 00 01 b data.
//   Import (17 all slots, 19 one slot): 00 00 [slot] -> 00 00 check word; 00 01 b data ->
//   00 01 b. A block shorter than 512 bytes ends the image; the processor then checks it and
//   takes it over, or refuses it by leaving that last block unacknowledged.
class PresetTransfer
{
public:
    static constexpr int BlockSize = 512;

    // The reply payload (same funcId), empty for none.
    QByteArray exportRequest(quint8 funcId, const QByteArray &payload, const SimStore &store);
    QByteArray importRequest(quint8 funcId, const QByteArray &payload, SimStore &store);

    // Why the last import was refused, for the log; empty after a good one.
    QString refusal() const { return m_refusal; }

private:
    QByteArray refuse(const QString &why);

    QByteArray m_export;
    quint8 m_exportFunc = 0;
    QByteArray m_import;
    quint8 m_importFunc = 0;
    int m_importSlot = -1;
    int m_nextBlock = -1;
    QString m_refusal;
};

} // namespace sim
