#pragma once

#include <QString>

#include <array>

// The processor's system state as it reports it.
struct DeviceInfo
{
    using Version = std::array<quint8, 3>; // major, minor, patch

    QString modelName;
    Version armVersion {};
    Version dspVersion {};
    QString serialNumber;
    quint8 inputCount = 16; // preset from the chosen device version until the device answers
    quint8 outputCount = 16;
    quint32 runTime = 0; // s
    quint32 totalTime = 0; // s
    quint32 bootCount = 0;
    float temperature = 0.0f; // degrees Celsius
    QString location;
    QString description;
    // second, minute, hour, day of month, 0, month - 1, year - 1900
    std::array<quint8, 7> dateTime {};
    quint32 address = 0; // IPv4, as on the wire
    quint32 netmask = 0;
    quint32 gateway = 0;
    quint8 faultFlags = 0; // bit 0 DSP fault, bit 4 codec fault
    quint8 systemMute = 0;
    quint32 rs232Baud = 115200;
    quint32 rs485Baud = 19200;
    std::array<float, 2> dspUsage {}; // percent
    // Supply rails +5V, +48V, -5V, +15V, -15V: 0..2, 2 = failed.
    std::array<quint32, 5> faults {1, 1, 1, 1, 1};
    quint8 gateReport = 0;
    // Bit i: chip i failed its detection (PCA9539-1..4, WM8978, PCF8563, PCA9554).
    quint32 chipFailures = 0;
    quint32 armBuild = 0;
    quint32 deviceId = 0;
    quint8 usbDisk = 2; // 2 until the device reports
    quint8 danteSupported = 0;
    quint8 danteConnected = 2; // 2 until the device reports
    quint8 danteRestart = 0;
    quint32 status35 = 0;
    quint8 fanTest = 2; // 1 on, 0 off, 2 until the device reports
    QString macAddress; // "AA-BB-CC-DD-EE-FF"
    quint8 usbAutoPlay = 0; // bits 0 and 1
    quint32 state4 = 0;
    quint16 state4Extra = 0;
    quint8 syncMode = 0; // 0..2
    quint32 syncHost = 0; // IPv4, used in mode 2
    quint8 syncStatus = 0; // 0..2
};
