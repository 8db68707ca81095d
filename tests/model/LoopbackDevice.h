#pragma once

#include "model/DataModel.h"
#include "support/FakeClock.h"
#include "support/TestLinkEnvironment.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

// A DataModel connected to a loopback peer that stands in for the processor, on the test's
// fake clock. The peer only reads; replies are fed to receiveBytes directly.
struct LoopbackDevice
{
    FakeClock clock;
    QTcpServer server;
    std::unique_ptr<DataModel> model;
    QTcpSocket *peer = nullptr;

    bool connect(LinkSettings settings = {})
    {
        if (!server.listen(QHostAddress::LocalHost, 0))
            return false;
        settings.controlPort = server.serverPort();
        settings.broadcastPort = freeUdpPort();
        model = std::make_unique<DataModel>(settings,
                                            testLinkEnvironment(clock, QStringLiteral(":memory:")));
        model->addDeviceByAddress(QHostAddress(QHostAddress::LocalHost).toIPv4Address());
        model->selectDevice(0, false);
        if (!server.waitForNewConnection(5000))
            return false;
        peer = server.nextPendingConnection();
        QElapsedTimer wait;
        wait.start();
        while (model->currentSocket()->state() != QAbstractSocket::ConnectedState
               && wait.elapsed() < 5000)
            QTest::qWait(5);
        return model->currentSocket()->state() == QAbstractSocket::ConnectedState;
    }

    // Everything the peer has received so far, waiting up to a second for at least expected
    // bytes.
    QByteArray received(int expected = 1)
    {
        QByteArray got;
        QElapsedTimer wait;
        wait.start();
        while (got.size() < expected && wait.elapsed() < 1000) {
            if (peer->bytesAvailable() == 0)
                peer->waitForReadyRead(20);
            got += peer->readAll();
        }
        return got;
    }

    // Drops what the model's own timer polled so far; it sends nothing more until the test spins
    // the event loop.
    void drain()
    {
        peer->readAll();
        while (peer->waitForReadyRead(50))
            peer->readAll();
    }

    void reply(MessageId id, const QByteArray &payload)
    {
        const QByteArray frame = Frame::build(id, Frame::Reply, payload);
        model->receiveBytes(frame.constData(), frame.size());
    }
};
