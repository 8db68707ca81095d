#pragma once

#include "SimAudio.h"
#include "SimIdentity.h"

#include <QByteArray>
#include <QStringList>

#include <array>

namespace sim {

constexpr int GpioPorts = 8;
constexpr int GpioRecordSize = 65;

// Fault bits and supply rails as the processor reports them.
enum FaultBit : quint8 { DspFault = 0x01, CodecFault = 0x10 };
enum Rail { Rail5V = 0, Rail48V, RailMinus5V, Rail15V, RailMinus15V, RailCount };
constexpr quint8 RailNormal = 1;
constexpr quint8 RailFailed = 2;

// The system side of the processor: identity, network, clock, labels, GPIO, passwords.
struct SimSystem
{
    QByteArray model;
    QByteArray serialNumber;
    QByteArray location;
    QByteArray description;
    FirmwareVersion armVersion {};
    FirmwareVersion dspVersion {};
    quint32 armBuild = 0;
    quint32 deviceId = 0;
    quint32 bootCount = 1;
    quint32 totalTimeBefore = 0; // operating seconds before this boot
    quint32 address = 0;
    quint32 netmask = 0xFFFFFF00;
    quint32 gateway = 0;
    std::array<quint8, 6> mac {};
    quint8 systemMute = 0;
    quint32 rs232Baud = 115200;
    quint32 rs485Baud = 19200;
    quint8 gateReport = 0;
    quint8 usbDisk = 1; // inserted
    quint32 status35 = 0;
    quint8 fanTest = 0;
    quint8 usbAutoPlay = 0;
    quint32 state4Word = 0;
    quint16 state4Half = 0;
    quint8 syncMode = 0;
    quint32 syncHost = 0;
    qint64 clockOffsetMs = 0; // device clock minus host clock, set by the date and time message
    quint8 faultFlags = 0;
    quint32 chipFailures = 0; // bit i: chip i of chipNames() failed its detection
    std::array<quint8, RailCount> rails {RailNormal, RailNormal, RailNormal, RailNormal,
                                         RailNormal};
    std::array<QByteArray, ChannelRecords> inputLabels;
    std::array<QByteArray, ChannelRecords> outputLabels;
    std::array<QByteArray, ChannelRecords> shortLabels;
    std::array<std::array<quint8, GpioRecordSize>, GpioPorts> gpio {};
    QByteArray password;
    QByteArray userPassword;

    bool faulty() const;
    // Shows a hardware fault: "dsp", "codec", a supply rail ("+5V", "+48V", "-5V", "+15V",
    // "-15V") or a chip that fails its detection ("PCA9539-1", ..., "PCA9554"). False for an
    // unknown name.
    bool injectFault(const QString &name);
    static QStringList faultNames();
};

} // namespace sim
