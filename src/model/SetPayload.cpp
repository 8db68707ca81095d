#include "SetPayload.h"

#include "wire/ByteWriter.h"

#include <QDateTime>

namespace {

qint8 wholeDb(float db)
{
    // Truncated toward zero, kept within a signed byte.
    const float clamped = db < -128.0f ? -128.0f : (db > 127.0f ? 127.0f : db);
    return qint8(clamped);
}

} // namespace

QByteArray SetPayload::channelByte(quint8 channel, quint8 value)
{
    return ByteWriter(2).u8(channel).u8(value);
}

QByteArray SetPayload::channelFloat(quint8 channel, float value)
{
    return ByteWriter(5).u8(channel).f32(value);
}

QByteArray SetPayload::hlpf(quint8 channel, const HlpfFilter &f)
{
    return ByteWriter(1 + HlpfFilter::WireSize)
            .u8(channel)
            .u8(f.enabled)
            .u8(f.type)
            .u8(f.slope)
            .f32(f.frequency);
}

QByteArray SetPayload::peq(quint8 channel, quint8 band, const PeqFilter &f)
{
    return ByteWriter(2 + PeqFilter::WireSize)
            .u8(channel)
            .u8(band)
            .u8(f.enabled)
            .u8(f.type)
            .f32(f.frequency)
            .f32(f.gain)
            .u8(f.q);
}

QByteArray SetPayload::limiter(quint8 channel, const LimiterParams &l)
{
    return ByteWriter(1 + LimiterParams::WireSize)
            .u8(channel)
            .u8(l.enabled)
            .f32(l.threshold)
            .f32(l.ratio)
            .f32(l.attack)
            .f32(l.release);
}

QByteArray SetPayload::gate(quint8 channel, const GateParams &g)
{
    return ByteWriter(1 + GateParams::WireSize)
            .u8(channel)
            .u8(g.enabled)
            .f32(g.threshold)
            .f32(g.attack)
            .f32(g.release);
}

QByteArray SetPayload::agc(quint8 channel, const AgcParams &a)
{
    return ByteWriter(1 + AgcParams::WireSize)
            .u8(channel)
            .u8(a.enabled)
            .f32(a.threshold)
            .f32(a.target)
            .f32(a.ratio)
            .f32(a.attack)
            .f32(a.release);
}

QByteArray SetPayload::matrix(quint8 output, std::initializer_list<quint8> inputs, quint8 value)
{
    ByteWriter w(2 + int(inputs.size()));
    w.u8(output);
    for (quint8 in : inputs)
        w.u8(in);
    return w.u8(value);
}

QByteArray SetPayload::matrix(quint8 output, const QByteArray &inputs, quint8 value)
{
    return ByteWriter(2 + inputs.size()).u8(output).bytes(inputs).u8(value);
}

QByteArray SetPayload::gainRange(quint8 channel, float maximum, float minimum)
{
    return ByteWriter(3).u8(channel).i8(wholeDb(maximum)).i8(wholeDb(minimum));
}

QByteArray SetPayload::indexedText(quint8 index, const QByteArray &text)
{
    return ByteWriter(1 + text.size()).u8(index).bytes(text);
}

QByteArray SetPayload::gpioPort(quint8 port, const ::GpioPort &record)
{
    ByteWriter w(1 + ::GpioPort::RecordSize);
    w.u8(port).u8(record.kind);
    for (quint8 b : record.settings)
        w.u8(b);
    return w;
}

QByteArray SetPayload::channelCopy(quint32 inputMask, quint32 outputMask, bool wideMasks)
{
    ByteWriter w(8);
    w.u16(quint16(inputMask)).u16(quint16(outputMask));
    if (wideMasks)
        w.u16(quint16(inputMask >> 16)).u16(quint16(outputMask >> 16));
    return w;
}

QByteArray SetPayload::dateTime(const QDateTime &localTime)
{
    const QDate d = localTime.date();
    const QTime t = localTime.time();
    return ByteWriter(7)
            .u8(quint8(t.second()))
            .u8(quint8(t.minute()))
            .u8(quint8(t.hour()))
            .u8(quint8(d.day()))
            .u8(0)
            .u8(quint8(d.month() - 1))
            .u8(quint8(d.year() - 1900));
}
