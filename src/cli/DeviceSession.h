#pragma once

#include "model/StatusQuery.h"

#include <QHostAddress>
#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class DataModel;

// One processor for the command-line tool: the program's device model connected to it by
// address, logged in, with the status poll running as in the program. Waits run the event loop
// until a condition holds or the time-out passes; the connection dropping ends every wait.
class DeviceSession : public QObject
{
    Q_OBJECT

public:
    DeviceSession(const QHostAddress &address, quint16 controlPort, int timeoutMs,
                  QObject *parent = nullptr);
    ~DeviceSession() override;

    // Connects and logs in with the password. An exit code, with the reason in error().
    int open(const QString &password);

    DataModel &model() { return *m_model; }
    QString address() const { return m_address.toString(); }
    // The identifier the device reports (0 until it did).
    quint32 deviceId() const;
    bool isConnected() const;
    QString error() const { return m_error; }
    int timeoutMs() const { return m_timeoutMs; }

    // Runs the event loop until done() holds (true), the time-out passes or the connection drops
    // (false, with the reason in error()).
    bool waitFor(const std::function<bool()> &done, int timeoutMs);
    // Asks for every parameter the program mirrors (every module page for every channel, every
    // administration dialog) and waits until the answers have settled. False on a time-out.
    bool readEverything();
    // Asks the queries and waits until the mirror has settled.
    bool readQueries(const std::vector<StatusQuery> &queries);

private:
    QHostAddress m_address;
    int m_timeoutMs;
    std::unique_ptr<DataModel> m_model;
    int m_loginStatus = -1;
    bool m_loginSent = false;
    bool m_gaveUp = false;
    QString m_password;
    QString m_error;
};
