// The frame path of DataModel: building and sending frames, the throttled writes, and cutting
// received frames out of the control stream and handing them to the type dispatchers.
#include "model/DataModel.h"

#include "wire/LinkLog.h"

void DataModel::sendFrame(quint8 type, quint8 subType, quint8 funcId, quint8 flag,
                          const char *payload, int length)
{
    QTcpSocket *socket = currentSocket();
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return;
    const int size = Frame::encode(m_sendBuffer, m_settings.productCode,
                                   MessageId {type, subType, funcId}, flag, payload, length);
    if (size < 0) {
        // Cutting a payload short would send the device a different value than the user set.
        qCDebug(lcLink) << "Payload too long, frame not sent: len =" << length;
        return;
    }
    socket->write(m_sendBuffer, size);
    socket->flush();
}

void DataModel::sendFrame(MessageId id, quint8 flag, const QByteArray &payload)
{
    sendFrame(id.type, id.subType, id.funcId, flag, payload.constData(), payload.size());
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

void DataModel::transportTick()
{
    const qint64 t = now();
    m_writes.takeDue(t, [this](const PendingWrite &item) {
        sendFrame(item.id, Frame::WriteRequest, item.payload);
    });
    m_writes.expire(t);
    poll();
}

void DataModel::tcpReadyRead()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket || socket != currentSocket())
        return; // data of another device's socket stays unread
    m_lastReceiveTime = now();
    if (socket->bytesAvailable() <= 0)
        return;
    const QByteArray bytes = socket->readAll();
    receiveBytes(bytes.constData(), bytes.size());
}

void DataModel::receiveBytes(const char *data, int size)
{
    m_receive.append(data, size);
    m_receive.process([this](const ReceivedFrame &frame) { dispatch(frame); });
}

void DataModel::dispatch(const ReceivedFrame &frame)
{
    switch (frame.id.type) {
    case 1:
        dispatchUpgrade(frame);
        break;
    case 2:
        dispatchSystem(frame);
        break;
    case 3:
        dispatchAudio(frame);
        break;
    case 4:
        dispatchDante(frame);
        break;
    default:
        break; // removed unread
    }
}
