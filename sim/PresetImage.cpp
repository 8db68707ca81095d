#include "PresetImage.h"

#include "Crc32.h"

#include "wire/ByteReader.h"
#include "wire/ByteWriter.h"

namespace sim {

namespace PresetImage {

namespace {

constexpr quint8 FormatVersion = 1;
constexpr int MaxSceneSize = 1 << 20;

void writeSlot(ByteWriter &out, const PresetSlot &slot, bool withUsedFlag)
{
    if (withUsedFlag)
        out.u8(slot.used ? 1 : 0);
    out.fixedText(slot.name, NameSize).bytes(slot.audio.serialize());
    out.u32(quint32(slot.scene.size())).bytes(slot.scene);
}

bool readSlot(ByteReader &in, PresetSlot &slot, bool withUsedFlag)
{
    slot.used = withUsedFlag ? in.u8() != 0 : true;
    slot.name = in.fixedText(NameSize);
    if (!in.ok() || !slot.audio.deserialize(in.bytes(SimAudio::serializedSize())))
        return false;
    const quint32 sceneSize = in.u32();
    if (!in.ok() || sceneSize > quint32(MaxSceneSize))
        return false;
    slot.scene = in.bytes(int(sceneSize));
    return in.ok();
}

quint32 wordAt(const QByteArray &image, int offset)
{
    ByteReader in(image.constData() + offset, 4);
    return in.u32();
}

// The smallest slot: no scene.
int slotSize(bool withUsedFlag)
{
    return (withUsedFlag ? 1 : 0) + NameSize + SimAudio::serializedSize() + 4;
}

} // namespace

QByteArray descriptor(Kind kind, const ChannelConfig &config)
{
    return ByteWriter()
            .bytes("VXPR")
            .u8(FormatVersion)
            .u8(kind)
            .u8(config.inputCount)
            .u8(config.outputCount)
            .u8(config.dante ? 1 : 0)
            .u8(kind == OneSlot ? 1 : PresetSlots)
            .u32(quint32(SimAudio::serializedSize()));
}

quint32 checkWord(Kind kind, const ChannelConfig &config)
{
    return crc32(descriptor(kind, config));
}

QByteArray exportSlot(const PresetSlot &slot, const ChannelConfig &config)
{
    ByteWriter body;
    body.bytes(descriptor(OneSlot, config));
    writeSlot(body, slot, false);
    return ByteWriter().u32(checkWord(OneSlot, config)).bytes(body).u32(crc32(body.data()));
}

QByteArray exportAll(const std::array<PresetSlot, PresetSlots> &allSlots,
                     const ChannelConfig &config)
{
    ByteWriter body;
    body.bytes(descriptor(AllSlots, config));
    for (const PresetSlot &slot : allSlots)
        writeSlot(body, slot, true);
    return ByteWriter().bytes(body).u32(crc32(body.data())).u32(checkWord(AllSlots, config));
}

std::optional<PresetSlot> importSlot(const QByteArray &image, const ChannelConfig &config)
{
    const QByteArray head = descriptor(OneSlot, config);
    const int bodySize = image.size() - 8;
    if (bodySize < head.size() + slotSize(false) || wordAt(image, 0) != checkWord(OneSlot, config))
        return std::nullopt;
    const QByteArray body = image.mid(4, bodySize);
    if (!body.startsWith(head) || wordAt(image, 4 + bodySize) != crc32(body))
        return std::nullopt;
    ByteReader in(body.constData() + head.size(), body.size() - head.size());
    PresetSlot slot;
    if (!readSlot(in, slot, false) || !in.atEnd())
        return std::nullopt;
    return slot;
}

std::optional<std::array<PresetSlot, PresetSlots>> importAll(const QByteArray &image,
                                                             const ChannelConfig &config)
{
    const QByteArray head = descriptor(AllSlots, config);
    const int bodySize = image.size() - 8;
    if (bodySize < head.size() + PresetSlots * slotSize(true)
        || wordAt(image, bodySize + 4) != checkWord(AllSlots, config))
        return std::nullopt;
    const QByteArray body = image.left(bodySize);
    if (!body.startsWith(head) || wordAt(image, bodySize) != crc32(body))
        return std::nullopt;
    ByteReader in(body.constData() + head.size(), body.size() - head.size());
    std::array<PresetSlot, PresetSlots> allSlots {};
    for (PresetSlot &slot : allSlots)
        if (!readSlot(in, slot, true))
            return std::nullopt;
    if (!in.atEnd())
        return std::nullopt;
    return allSlots;
}

} // namespace PresetImage

} // namespace sim
