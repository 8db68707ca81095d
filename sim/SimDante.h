#pragma once

#include <QByteArray>

#include <array>

namespace sim {

// The Dante network-audio module of the processors that carry one.
struct SimDante
{
    using Address = std::array<quint8, 4>; // dotted order, first octet first

    QByteArray deviceName;
    QByteArray modelName = QByteArrayLiteral("DNA-4x4");
    quint32 productVersion = (4u << 24) | (2u << 16) | 3u;
    Address address {169, 254, 0, 0};
    Address netmask {255, 255, 0, 0};
    Address dns {};
    Address gateway {};
    quint32 linkSpeed = 1000;
    quint32 latency = 1000; // microseconds
    quint8 ipMode = 2; // 2 automatic, 4 manual
    quint8 clockSource = 1; // Dante internal
    quint8 clockState = 7; // master
    // Subscriptions of the four receive channels: source channel name, then source device name.
    std::array<std::array<quint8, 64>, 4> subscriptions {};
    int restartSeconds = 0; // while rebooting, the module is off the network

    static SimDante forDevice(quint32 deviceId);

    bool connected() const { return restartSeconds == 0; }
    // The 94-byte information block.
    QByteArray info() const;
    void subscribe(int channel, const QByteArray &sourceChannel, const QByteArray &sourceDevice);
    // Clears the configuration; keepNetwork leaves the addresses alone.
    void clear(bool keepNetwork, quint32 deviceId);
    void reboot(int seconds);
    void advance(int seconds);
};

} // namespace sim
