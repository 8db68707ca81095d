#pragma once

#include "LinkSettings.h"
#include "NetworkInterfaceProvider.h"
#include "wire/Clock.h"
#include "wire/Frame.h"
#include "wire/FrameReassembler.h"
#include "wire/MessageId.h"

#include <QAbstractSocket>
#include <QHostAddress>
#include <QObject>
#include <QTcpSocket>

#include <functional>

class DeviceDirectory;
struct DeviceEntry;

// The control link to the selected processor: its socket, the choice and rotation of the local
// interface, the connect and silence time-outs, frames out and frames in (cut from the stream
// and handed to one callback), and the passwords of the session.
class DeviceConnection : public QObject
{
    Q_OBJECT

public:
    using FrameHandler = std::function<void(const ReceivedFrame &)>;

    DeviceConnection(const LinkSettings &settings, Clock clock,
                     NetworkInterfaceProvider &interfaces, DeviceDirectory &directory,
                     QObject *parent = nullptr);

    void setFrameHandler(FrameHandler handler) { m_frameHandler = std::move(handler); }

    // Every entry owns a socket; the connection makes it and takes it back.
    void attach(DeviceEntry &entry);
    void release(DeviceEntry &entry);

    int currentIndex() const { return m_currentIndex; }
    QTcpSocket *currentSocket() const;
    bool isConnected() const;
    // Makes index (or -1) the selection and starts connecting to it; passwords and the
    // rotation start over.
    void select(int index);
    // The selection moved down by one after the removal of an entry before it.
    void shiftSelection(int index) { m_currentIndex = index; }
    // Drops the current connection (the entry and its socket stay).
    void stop();

    // ---- the 10 ms tick ----
    // Counts the tick; true once a second (the count starts over with every attempt).
    bool countTick();
    qint64 tickCount() const { return m_tickCount; }
    // After countTick with a selection: true while the link is up and not silent; otherwise a
    // due time-out is reported (connectTimeout) and the next attempt starts.
    bool checkLink();

    // ---- frames ----
    void sendFrame(MessageId id, quint8 flag, const char *payload, int length);
    // Bytes already framed (the poll's queries), written at once.
    void sendBytes(const char *data, qint64 size);
    // The receive path behind the socket: appends bytes and hands over every complete frame.
    void receiveBytes(const char *data, int size);
    qint64 lastReceiveTime() const { return m_lastReceiveTime; }

    // ---- rotation state ----
    const QHostAddress &boundAddress() const { return m_boundAddress; }
    const QHostAddress &firstAddress() const { return m_firstAddress; }
    bool hadConnection() const { return m_hadConnection; }
    // A device heard again counts as a connection for the rotation's time-out report.
    void deviceReturned();

    // ---- login ----
    bool isLoggedIn() const { return m_loggedIn; }
    void setLoggedIn(bool loggedIn) { m_loggedIn = loggedIn; }
    const QString &enteredPassword() const { return m_enteredPassword; }
    const QString &rememberedPassword() const { return m_rememberedPassword; }
    void setEnteredPassword(const QString &password) { m_enteredPassword = password; }
    // The password the user entered becomes the one tried again after a reconnection.
    void rememberEnteredPassword();
    void forgetPasswords();

signals:
    void connectTimeout(bool exhausted);
    // The connection state of the entry at index changed.
    void networkChanged(int index);

private:
    void tcpReadyRead();
    void readSlice();
    void tcpConnected();
    void tcpStateChanged(QAbstractSocket::SocketState state);
    void startAttempt();
    int indexOfSocket(const QObject *socket) const;

    const LinkSettings &m_settings;
    Clock m_clock;
    NetworkInterfaceProvider &m_interfaces;
    DeviceDirectory &m_directory;
    FrameHandler m_frameHandler;

    char m_sendBuffer[Frame::MaxFrameSize];
    FrameReassembler m_receive;
    qint64 m_lastReceiveTime = 0;
    bool m_readScheduled = false;

    int m_currentIndex = -1;
    bool m_loggedIn = false;
    qint64 m_tickCount = 0;
    QString m_enteredPassword;
    QString m_rememberedPassword;
    QHostAddress m_boundAddress;
    QHostAddress m_firstAddress;
    bool m_hadConnection = true;
};
