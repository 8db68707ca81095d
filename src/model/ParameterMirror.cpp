#include "ParameterMirror.h"

#include "model/MessageCatalogue.h"

#include <QCoreApplication>

namespace {

constexpr int FirstDanteChannel = 12; // channels 13..16 may be Dante channels
constexpr int LastDanteChannel = 15;

// Channel names are the user's language; "Dante-" is the network's name and stays.
QString inputName(int index)
{
    return QCoreApplication::translate("ParameterMirror", "IN %1").arg(index + 1);
}

QString outputName(int index)
{
    return QCoreApplication::translate("ParameterMirror", "OUT %1").arg(index + 1);
}

QString danteName(const char *text, int number)
{
    return QStringLiteral("Dante-")
            + QCoreApplication::translate("ParameterMirror", text).arg(number);
}

} // namespace

ParameterMirror::ParameterMirror()
{
    retranslateDefaultNames();
}

void ParameterMirror::setDanteChannelNames(quint16 danteInputMask, quint16 danteOutputMask)
{
    m_danteInputMask = danteInputMask;
    m_danteOutputMask = danteOutputMask;
    retranslateDefaultNames();
}

void ParameterMirror::retranslateDefaultNames()
{
    for (int i = 0; i < ChannelCount; ++i) {
        inputs[size_t(i)].defaultName = inputName(i);
        outputs[size_t(i)].defaultName = outputName(i);
    }
    inputs[UsbChannel].defaultName = QCoreApplication::translate("ParameterMirror", "USB Play");
    outputs[UsbChannel].defaultName = QCoreApplication::translate("ParameterMirror", "USB Rec");
    for (int i = FirstDanteChannel; i <= LastDanteChannel; ++i) {
        const quint16 bit = quint16(1u << (i - 8));
        const int danteNumber = i - 11;
        if (m_danteInputMask & bit)
            inputs[size_t(i)].defaultName =
                    danteName(QT_TRANSLATE_NOOP("ParameterMirror", "RX %1"), danteNumber);
        if (m_danteOutputMask & bit)
            outputs[size_t(i)].defaultName =
                    danteName(QT_TRANSLATE_NOOP("ParameterMirror", "TX %1"), danteNumber);
    }
}

void ParameterMirror::presetDeviceVersion(int deviceVersion)
{
    struct Configuration
    {
        quint8 inputs;
        quint8 outputs;
        quint8 dante;
    };
    static constexpr Configuration configurations[] = {
            {16, 16, 0}, {16, 8, 0}, {8, 8, 0}, {12, 12, 1}, {8, 8, 1}};
    if (deviceVersion < 0 || deviceVersion >= int(std::size(configurations)))
        deviceVersion = 0;
    const Configuration &c = configurations[deviceVersion];
    device.inputCount = c.inputs;
    device.outputCount = c.outputs;
    device.danteSupported = c.dante;
}

void ParameterMirror::resetLiveValues(bool keepDanteSupport)
{
    for (InputChannel &in : inputs) {
        in.preMeter = MeterFloor;
        in.postMeter = MeterFloor;
    }
    for (OutputChannel &out : outputs) {
        out.preMeter = MeterFloor;
        out.postMeter = MeterFloor;
    }
    autoMixer.meters.fill(MeterFloor);
    device.armVersion = {};
    device.dspVersion = {};
    device.serialNumber.clear();
    device.dspUsage = {};
    device.temperature = 0.0f;
    device.faultFlags = 0;
    refresh.faultFlags = true;
    device.systemMute = 0;
    device.faults.fill(1);
    refresh.faults = true;
    device.fanTest = 2;
    device.danteConnected = 2;
    device.danteRestart = 0;
    if (!keepDanteSupport)
        device.danteSupported = 0;
}

const std::array<MessageId, 17> &ParameterMirror::resetAnnouncements()
{
    static constexpr std::array<MessageId, 17> list {
            Msg::InputMeters,   Msg::PreMixMeters,    Msg::OutputPreMeters, Msg::OutputMeters,
            Msg::AutoMixMeters, Msg::SysArmVersion,   Msg::SysDspVersion,   Msg::SysDanteRestart,
            Msg::SysDspUsage,   Msg::SysSerialNumber, Msg::SysSystemMute,   Msg::SysFaultFlags,
            Msg::SysDanteState, Msg::SysTemperature,  Msg::SysFanTest,      Msg::DanteInfo,
            Msg::SysFaults};
    return list;
}
