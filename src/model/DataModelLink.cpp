// The link side of DataModel: frames out and in, selection and the 10 ms tick, the device list
// operations and login, each handed to the directory or the connection.
#include "DataModel.h"

#include "model/MessageCatalogue.h"
#include "model/ReplyHandler.h"
#include "wire/LoginStatus.h"
#include "wire/ByteWriter.h"
#include "wire/LocalText.h"

#include <QDateTime>

void DataModel::sendFrame(quint8 type, quint8 subType, quint8 funcId, quint8 flag,
                          const char *payload, int length)
{
    m_connection->sendFrame(MessageId {type, subType, funcId}, flag, payload, length);
}

void DataModel::sendFrame(MessageId id, quint8 flag, const QByteArray &payload)
{
    m_connection->sendFrame(id, flag, payload.constData(), payload.size());
}

void DataModel::sendRead(MessageId id, const QByteArray &payload)
{
    sendFrame(id, Frame::ReadRequest, payload);
}

void DataModel::sendWrite(MessageId id, const QByteArray &payload)
{
    m_writes.recordWrite(id, now());
    sendFrame(id, Frame::WriteRequest, payload);
}

void DataModel::queueWrite(MessageId id, quint8 channel, quint8 index, const QByteArray &payload)
{
    m_writes.queue(id, channel, index, payload, now());
}

void DataModel::receiveBytes(const char *data, int size)
{
    m_connection->receiveBytes(data, size);
}

void DataModel::dispatch(const ReceivedFrame &frame)
{
    switch (frame.id.type) {
    case MessageType::Upgrade:
        handleReply(&ReplyHandler::upgrade, frame);
        break;
    case MessageType::System:
        handleReply(&ReplyHandler::system, frame);
        break;
    case MessageType::Audio:
        handleReply(&ReplyHandler::audio, frame);
        break;
    case MessageType::Dante:
        handleReply(&ReplyHandler::dante, frame);
        break;
    default:
        break; // removed unread
    }
}

void DataModel::timeout()
{
    if (m_connection->countTick()) {
        m_directory->checkInterfaces();
        m_directory->ageDevices();
        m_directory->saveRegistry();
    }
    if (currentIndex() < 0)
        return;
    if (m_connection->checkLink())
        transportTick();
}

void DataModel::transportTick()
{
    const qint64 t = now();
    m_writes.takeDue(t, [this](const PendingWrite &item) {
        sendFrame(item.id, Frame::WriteRequest, item.payload);
    });
    m_writes.expire(t);
    poll();
}

void DataModel::stopLink()
{
    m_writes.clearPending();
    m_connection->stop();
}

void DataModel::selectDevice(int index, bool flag)
{
    if (index < 0 || index >= deviceCount())
        index = -1;
    if (index == currentIndex())
        return;
    stopLink();
    applySelection(index, flag);
}

void DataModel::applySelection(int index, bool flag)
{
    m_connection->select(index);
    m_directory->keep(index);
    emit deviceListSelectionChanged(index, flag);
}

int DataModel::addDeviceByAddress(quint32 address)
{
    return m_directory->addByAddress(address);
}

void DataModel::setDeviceNetwork(int index, quint32 address, quint32 mask, quint32 gateway)
{
    m_directory->changeNetwork(index, address, mask, gateway);
}

void DataModel::removeDevice(int index)
{
    if (index < 0 || index >= deviceCount())
        return;
    const bool wasSelected = index == currentIndex();
    if (wasSelected)
        stopLink(); // while the entry is still the current one
    m_directory->remove(index);

    if (currentIndex() > index) {
        m_connection->shiftSelection(currentIndex() - 1);
        emit deviceListSelectionChanged(currentIndex(), true);
    } else if (wasSelected) {
        applySelection(-1, true);
    }
    emit deviceListRemove(index);
}

void DataModel::deviceIdReported(quint32 deviceId)
{
    const int current = currentIndex();
    if (current < 0 || device(current).packet.deviceId == deviceId)
        return;
    const int other = m_directory->indexOf(deviceId);
    if (other >= 0) {
        // The device is known under its real identifier: that entry takes the address that
        // works and becomes the selection; the current one (say, added by hand) stays as it is.
        m_directory->changeAddress(other, device(current).packet.ipAddress);
        selectDevice(other, false);
        return;
    }
    m_directory->changeDeviceId(current, deviceId);
}

bool DataModel::alternativeAnnouncementForm() const
{
    return m_settings.bootMode == 2 || connectedArmMajor() == 5;
}

quint8 DataModel::connectedArmMajor() const
{
    return m_mirror.device.armVersion[0];
}

void DataModel::processAnnouncement(const QByteArray &datagram, int interfaceIndex)
{
    m_directory->processAnnouncement(datagram, interfaceIndex);
}

void DataModel::login(const QString &password, bool remember)
{
    if (remember)
        m_connection->setEnteredPassword(password);
    const QByteArray bytes = LocalText::encode(password);
    sendFrame(m_settings.simple ? Msg::LoginUser : Msg::Login, Frame::WriteRequest, bytes);
}

void DataModel::forgetPasswords()
{
    m_connection->forgetPasswords();
}

void DataModel::loginReplyReceived(quint8 status)
{
    if (status > LoginStatus::Rejected)
        return;
    m_connection->setLoggedIn(status == LoginStatus::Accepted);
    switch (status) {
    case LoginStatus::Accepted:
        resetLoginCounters();
        m_connection->rememberEnteredPassword();
        sendClock();
        break;
    case LoginStatus::NotLoggedIn:
        if (!rememberedPassword().isEmpty())
            login(rememberedPassword(), false);
        break;
    case LoginStatus::Rejected:
        forgetPasswords();
        break;
    }
    emit deviceListNetworkChanged(currentIndex());
    emit tcpLoginChanged(status);
}

// The device's clock follows the PC's local time after every login.
void DataModel::sendClock()
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(now(), Qt::LocalTime);
    const QDate date = local.date();
    const QTime time = local.time();
    const QByteArray payload = ByteWriter(7)
                                       .u8(quint8(time.second()))
                                       .u8(quint8(time.minute()))
                                       .u8(quint8(time.hour()))
                                       .u8(quint8(date.day()))
                                       .u8(0)
                                       .u8(quint8(date.month() - 1))
                                       .u8(quint8(date.year() - 1900));
    sendWrite(Msg::SysDateTime, payload);
}
