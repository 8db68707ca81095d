#pragma once

#include "model/records/AgcParams.h"
#include "model/records/GateParams.h"
#include "model/records/GpioPort.h"
#include "model/records/HlpfFilter.h"
#include "model/records/LimiterParams.h"
#include "model/records/PeqFilter.h"

#include <QByteArray>

#include <initializer_list>

class QDateTime;

// Payloads of the set requests, little-endian, in the layouts the device reads. The editors fill
// the mirror first and send what these build, so no view ever assembles bytes itself.
namespace SetPayload {

// Per-channel values: the channel, then one byte (switches, modes, groups) or one f32 (gains,
// delays, the limiter gain, gain steps).
QByteArray channelByte(quint8 channel, quint8 value);
QByteArray channelFloat(quint8 channel, float value);

// Per-channel records in their wire order.
QByteArray hlpf(quint8 channel, const HlpfFilter &filter);
QByteArray peq(quint8 channel, quint8 band, const PeqFilter &filter);
QByteArray limiter(quint8 channel, const LimiterParams &limiter);
QByteArray gate(quint8 channel, const GateParams &gate);
QByteArray agc(quint8 channel, const AgcParams &agc);

// Matrix routes and gains: the output, the inputs concerned, one value for all of them (the
// route 0/1, or the gain in whole dB with -70 meaning off). The AEC and ANC sources are inputs
// 18 and 19.
QByteArray matrix(quint8 output, std::initializer_list<quint8> inputs, quint8 value);
QByteArray matrix(quint8 output, const QByteArray &inputs, quint8 value);

// Fader limits of one channel: maximum, then minimum, each truncated to whole dB.
QByteArray gainRange(quint8 channel, float maximum, float minimum);

// A label, touch-screen label or preset name: the index, then the text without terminator.
QByteArray indexedText(quint8 index, const QByteArray &text);

// A GPIO port: the port, then its 65-byte record.
QByteArray gpioPort(quint8 port, const ::GpioPort &record);

// Channel copy of filters and limiters: u16 input and output masks, and on devices with the
// wide channel masks also their high halves.
QByteArray channelCopy(quint32 inputMask, quint32 outputMask, bool wideMasks);

// The device clock from the PC's local time: second, minute, hour, day, 0, month - 1,
// year - 1900.
QByteArray dateTime(const QDateTime &localTime);

} // namespace SetPayload
