// The parameter mirror part of DataModel: resetting it between devices, channel names, and
// announcements made on behalf of the views.
#include "DataModel.h"

#include "model/MessageCatalogue.h"

void DataModel::resetMirror()
{
    // In the boot mode where the Dante configurations are chosen by hand, Dante support follows
    // that choice rather than the last device.
    const bool keepDanteSupport = m_settings.bootMode != 0 && m_settings.danteUi != 0;
    m_mirror.resetLiveValues(keepDanteSupport);
    for (MessageId id : ParameterMirror::resetAnnouncements())
        announce(id);
}

void DataModel::setDanteChannelNames(quint16 danteInputMask, quint16 danteOutputMask)
{
    m_mirror.setDanteChannelNames(danteInputMask, danteOutputMask);
}

void DataModel::resetLoginCounters()
{
    m_mirror.usb.playCount = 0;
    m_mirror.usb.recordCount = 0;
    m_mirror.device.deviceId = 0;
    announce(Msg::UsbPlayCount);
    announce(Msg::UsbRecordCount);
    announce(Msg::SysDeviceId);
}

void DataModel::announce(MessageId id, quint8 channel, quint8 other, const QVariant &value)
{
    emit tcpSyncToUI(id.type, id.subType, id.funcId, channel, other, value);
}
