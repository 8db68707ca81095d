#include "SimDante.h"

#include "wire/ByteWriter.h"

#include <cstring>

namespace sim {

SimDante SimDante::forDevice(quint32 deviceId)
{
    SimDante d;
    d.clear(false, deviceId);
    d.subscribe(0, QByteArrayLiteral("Mic-01"), QByteArrayLiteral("StageBox"));
    d.subscribe(1, QByteArrayLiteral("Mic-02"), QByteArrayLiteral("StageBox"));
    return d;
}

void SimDante::clear(bool keepNetwork, quint32 deviceId)
{
    deviceName = "VX-" + QByteArray::number(deviceId);
    latency = 1000;
    subscriptions = {};
    if (keepNetwork)
        return;
    ipMode = 2;
    address = {169, 254, quint8(deviceId >> 8), quint8(deviceId)};
    netmask = {255, 255, 0, 0};
    dns = {};
    gateway = {};
}

QByteArray SimDante::info() const
{
    ByteWriter out(94);
    out.fixedText(deviceName.left(31), 32).fixedText(modelName.left(31), 32);
    out.u32(productVersion);
    for (quint8 b : address)
        out.u8(b);
    out.u32(linkSpeed).u32(latency).u8(0).u8(ipMode);
    for (const Address *a : {&netmask, &dns, &gateway})
        for (quint8 b : *a)
            out.u8(b);
    return out;
}

void SimDante::subscribe(int channel, const QByteArray &sourceChannel,
                         const QByteArray &sourceDevice)
{
    auto &block = subscriptions[channel];
    block = {};
    std::memcpy(block.data(), sourceDevice.constData(), size_t(qMin(sourceDevice.size(), 31)));
    std::memcpy(block.data() + 32, sourceChannel.constData(),
                size_t(qMin(sourceChannel.size(), 31)));
}

void SimDante::reboot(int seconds)
{
    restartSeconds = qMax(seconds, 1);
}

void SimDante::advance(int seconds)
{
    restartSeconds = qMax(restartSeconds - seconds, 0);
}

} // namespace sim
