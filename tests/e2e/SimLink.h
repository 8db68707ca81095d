#pragma once

#include "SimDevice.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "support/FakeClock.h"
#include "support/TestLinkEnvironment.h"

#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

// How the program side of a SimLink is set up.
struct SimLinkOptions
{
    // false: the announcements go to a port nobody listens on, and the device is reached only
    // when it is added by its address.
    bool announceToModel = true;
    QString registryFile = QStringLiteral(":memory:");
    quint8 simple = 0; // user login (2,1,2) instead of the admin login
};

// The program's device model and a simulated processor in the same process, on loopback, both
// on one fake clock. The model's own 10 ms timer keeps running while a test waits for socket
// data, but time only moves when the test moves it: tick() advances the clock and runs the link
// tick itself, so every rule that counts time (poll periods, silence, echo records) sees exactly
// the time the test gave it.
class SimLink
{
public:
    static QString builtInPassword() { return QStringLiteral("#*qubit*"); }

    // The simulator announces itself every 100 ms and loads presets in steps of 10 ms, so that a
    // test does not wait for the processor's own pace.
    explicit SimLink(sim::SimOptions options = {}, const SimLinkOptions &link = {})
    {
        settings = testLinkSettings();
        settings.simple = link.simple;
        options.bind = QHostAddress(QHostAddress::LocalHost);
        options.announceTo = QHostAddress(QHostAddress::LocalHost);
        options.broadcastPort = link.announceToModel ? settings.broadcastPort : freeUdpPort();
        options.commandPort = 0;
        options.timing.announceMs = 100;
        options.timing.loadStepMs = 10;
        device = std::make_unique<sim::SimDevice>(options, clock.clock());
        settings.controlPort = device->start(QHostAddress(QHostAddress::LocalHost), 0);
        model = std::make_unique<DataModel>(settings,
                                            testLinkEnvironment(clock, link.registryFile));
        QObject::connect(model.get(), &DataModel::tcpLoginChanged, [this](uchar status) {
            logins.append(status);
            // What the device list panel does when nobody is logged in and no accepted password
            // is being tried again.
            if (status == 0 && answerGreeting && model->rememberedPassword().isEmpty())
                model->login(builtInPassword(), false);
        });
    }

    ~SimLink()
    {
        model.reset();
        device.reset();
    }

    bool started() const { return settings.controlPort != 0; }

    // Waits for socket data (and the model's own ticks) until done() holds, at most timeoutMs.
    static bool waitFor(const std::function<bool()> &done, int timeoutMs = 5000)
    {
        return QTest::qWaitFor(done, timeoutMs);
    }

    // Takes the device from its announcements and selects it.
    bool discoverAndSelect()
    {
        if (!waitFor([this] { return model->deviceCount() > 0; }))
            return false;
        model->selectDevice(0, true);
        return waitForConnection();
    }

    bool waitForConnection()
    {
        return waitFor([this] {
            QTcpSocket *socket = model->currentSocket();
            return socket && socket->state() == QAbstractSocket::ConnectedState;
        });
    }

    // Connected and logged in with the built-in password (answered to the greeting).
    bool open()
    {
        answerGreeting = true;
        return discoverAndSelect() && waitFor([this] { return model->isLoggedIn(); });
    }

    // Moves time by n link ticks of 10 ms, then lets the processor's own time pass too.
    void tick(int n)
    {
        for (int i = 0; i < n; ++i) {
            clock.advance(10);
            model->timeout();
        }
        device->housekeeping();
    }

    // Lets seconds pass on a live link: a second of ticks at a time, each followed by the
    // replies to its polls, so that the link never looks silent.
    bool pass(int seconds)
    {
        for (int i = 0; i < seconds; ++i) {
            tick(100);
            if (!waitFor([this] { return model->lastReceiveTime() == clock.now; }))
                return false;
        }
        return true;
    }

    // Runs ticks and then waits for the replies until the differences are gone. The last
    // differences seen stay in `remaining`.
    bool pollUntil(int ticks, const std::function<QStringList()> &differences,
                   QStringList *remaining, int timeoutMs = 5000)
    {
        tick(ticks);
        const bool done = waitFor(
                [&] {
                    *remaining = differences();
                    return remaining->isEmpty();
                },
                timeoutMs);
        *remaining = differences();
        return done && remaining->isEmpty();
    }

    FakeClock clock;
    LinkSettings settings;
    std::unique_ptr<sim::SimDevice> device;
    std::unique_ptr<DataModel> model;
    QList<uchar> logins; // every tcpLoginChanged status, in order
    bool answerGreeting = false;
};
