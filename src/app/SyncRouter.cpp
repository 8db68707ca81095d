#include "SyncRouter.h"

namespace {

enum : uchar {
    TypeUpgrade = 1,
    TypeSystem = 2,
    TypeAudio = 3,
    TypeDante = 4,
};

enum : uchar {
    SystemTable = 2,
    SystemLabels = 3,
    SystemState = 4,
    SystemUsb = 5,
    SystemGpio = 6,
    SystemDataSync = 16,
};

const uchar AudioPresets = 32;
// The record sources of the USB recording pair: the matrix record switches and the selected
// source button.
const uchar AudioMatrix = 8;
const uchar MatrixRecordSwitches = 17;
const uchar AudioOutLevel = 11;
const uchar OutLevelRecordSource = 9;
const uchar DanteModule = 1;

} // namespace

unsigned SyncRouter::destinations(uchar type, uchar subType, uchar funcId)
{
    switch (type) {
    case TypeUpgrade:
        return Upgrade;
    case TypeSystem:
        switch (subType) {
        case SystemTable:
            return System | DeviceSetup | Overview | Module;
        case SystemLabels:
            return Label | Overview | Module;
        case SystemState:
        case SystemDataSync:
            return DeviceSetup;
        case SystemUsb:
            return RecPlay;
        case SystemGpio:
            return Gpio;
        default:
            return 0;
        }
    case TypeAudio:
        if ((subType == AudioMatrix && funcId == MatrixRecordSwitches)
            || (subType == AudioOutLevel && funcId == OutLevelRecordSource))
            return Module | Overview | RecPlay;
        return Module | Overview | (subType == AudioPresets ? unsigned(Preset) : 0u);
    case TypeDante:
        if (subType == DanteModule && (funcId == 1 || funcId == 3 || funcId == 4))
            return DanteSetup;
        return 0;
    default:
        return 0;
    }
}

void SyncRouter::tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                             const QVariant &any)
{
    const unsigned to = destinations(type, subType, funcId);
    if (to & System)
        emit systemMessage(type, subType, funcId, channel, other, any);
    if (to & Upgrade)
        emit upgradeMessage(type, subType, funcId, channel, other, any);
    if (to & DeviceSetup)
        emit deviceSetupMessage(type, subType, funcId, channel, other, any);
    if (to & Label)
        emit labelMessage(type, subType, funcId, channel, other, any);
    if (to & RecPlay)
        emit recPlayMessage(type, subType, funcId, channel, other, any);
    if (to & Gpio)
        emit gpioMessage(type, subType, funcId, channel, other, any);
    if (to & Preset)
        emit presetMessage(type, subType, funcId, channel, other, any);
    if (to & DanteSetup)
        emit danteSetupMessage(type, subType, funcId, channel, other, any);
    if (to & Overview)
        emit overviewMessage(type, subType, funcId, channel, other, any);
    if (to & Module)
        emit moduleMessage(type, subType, funcId, channel, other, any);
}
