#include "PresetTransfer.h"

#include "PresetImage.h"

#include "wire/ByteReader.h"
#include "wire/ByteWriter.h"

namespace sim {

namespace {

QByteArray header(quint8 kind, quint16 value)
{
    return ByteWriter().u8(0).u8(kind).u16(value);
}

} // namespace

QByteArray PresetTransfer::exportRequest(quint8 funcId, const QByteArray &payload,
                                         const SimStore &store)
{
    ByteReader in(payload);
    const quint8 zero = in.u8();
    const quint8 step = in.u8();
    if (!in.ok() || zero != 0)
        return {};
    if (step == 0) {
        m_export.clear();
        m_exportFunc = funcId;
        if (funcId == 18) {
            const quint8 slot = in.u8();
            if (!in.ok() || !in.atEnd() || slot >= PresetSlots)
                return {};
            if (store.presets[slot].used)
                m_export = PresetImage::exportSlot(store.presets[slot], store.config);
        } else {
            if (!in.atEnd())
                return {};
            m_export = PresetImage::exportAll(store.presets, store.config);
        }
        const int blocks = (m_export.size() + BlockSize - 1) / BlockSize;
        return header(0, quint16(blocks));
    }
    const quint16 block = in.u16();
    if (step != 1 || !in.ok() || !in.atEnd() || funcId != m_exportFunc
        || qint64(block) * BlockSize >= m_export.size())
        return {};
    return header(1, block) + m_export.mid(block * BlockSize, BlockSize);
}

QByteArray PresetTransfer::importRequest(quint8 funcId, const QByteArray &payload, SimStore &store)
{
    ByteReader in(payload);
    const quint8 zero = in.u8();
    const quint8 step = in.u8();
    if (!in.ok() || zero != 0)
        return {};
    const auto kind = funcId == 19 ? PresetImage::OneSlot : PresetImage::AllSlots;
    if (step == 0) {
        m_importSlot = -1;
        if (kind == PresetImage::OneSlot) {
            const quint8 slot = in.u8();
            if (!in.ok() || slot >= PresetSlots)
                return {};
            m_importSlot = slot;
        }
        if (!in.atEnd())
            return {};
        m_import.clear();
        m_importFunc = funcId;
        m_nextBlock = 0;
        return ByteWriter().u8(0).u8(0).u32(PresetImage::checkWord(kind, store.config));
    }
    const quint16 block = in.u16();
    if (step != 1 || !in.ok())
        return {};
    if (funcId != m_importFunc || block != m_nextBlock)
        return refuse(QStringLiteral("block %1 out of turn").arg(block));
    const int size = in.remaining();
    if (size > BlockSize)
        return refuse(QStringLiteral("block %1 too long").arg(block));
    m_import += in.bytes(size);
    if (size == BlockSize) {
        ++m_nextBlock;
        return header(1, block);
    }
    m_nextBlock = -1;
    if (kind == PresetImage::OneSlot) {
        const auto slot = PresetImage::importSlot(m_import, store.config);
        if (!slot)
            return refuse(QStringLiteral("preset image refused"));
        store.presets[m_importSlot] = *slot;
    } else {
        const auto allSlots = PresetImage::importAll(m_import, store.config);
        if (!allSlots)
            return refuse(QStringLiteral("preset image refused"));
        store.presets = *allSlots;
        if (store.currentPreset < PresetSlots && !store.presets[store.currentPreset].used)
            store.currentPreset = NoPreset;
    }
    m_import.clear();
    m_refusal.clear();
    return header(1, block);
}

QByteArray PresetTransfer::refuse(const QString &why)
{
    m_import.clear();
    m_nextBlock = -1;
    m_importFunc = 0;
    m_refusal = why;
    return {};
}

} // namespace sim
