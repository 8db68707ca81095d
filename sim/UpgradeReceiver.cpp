#include "UpgradeReceiver.h"

#include "wire/ByteReader.h"
#include "wire/ByteWriter.h"

namespace sim {

UpgradeReceiver::Outcome UpgradeReceiver::handle(const QByteArray &payload, quint16 identifier,
                                                 const FirmwareVersion &running, int reject)
{
    Outcome outcome;
    ByteReader in(payload);
    const quint8 zero = in.u8();
    const quint8 step = in.u8();
    if (!in.ok() || zero != 0 || step > 1)
        return outcome;
    if (step == 0) {
        if (!in.atEnd())
            return outcome;
        m_active = true;
        m_nextBlock = 0;
        m_image.clear();
        outcome.data.append(ByteWriter().u8(0).u8(0).u16(identifier));
        return outcome;
    }
    const quint16 block = in.u16();
    if (!in.ok() || !m_active)
        return outcome;
    if (block != m_nextBlock || in.remaining() > BlockSize)
        return fail(254);
    if (reject == 255 && block == 0)
        return fail(255);
    const int size = in.remaining();
    m_image += in.bytes(size);
    if (size == BlockSize) {
        ++m_nextBlock;
        outcome.data.append(ByteWriter().u8(0).u8(1).u16(block));
        return outcome;
    }
    if (reject == 254)
        return fail(254);
    if (m_image.size() <= TrailerSize)
        return fail(255);
    ByteReader trailer(m_image.constData() + m_image.size() - TrailerSize, TrailerSize);
    if (trailer.u16() != identifier)
        return fail(255);
    outcome.version = {trailer.u8(), trailer.u8(), trailer.u8()};
    if (int(qint8(outcome.version[1])) < int(running[1]))
        return fail(255);
    outcome.installed = true;
    outcome.data.append(ByteWriter().u8(0).u8(1).u16(block));
    m_active = false;
    m_image.clear();
    return outcome;
}

UpgradeReceiver::Outcome UpgradeReceiver::fail(int status)
{
    m_active = false;
    m_image.clear();
    Outcome outcome;
    outcome.status = status;
    return outcome;
}

} // namespace sim
