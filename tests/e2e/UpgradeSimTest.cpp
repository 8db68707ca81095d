// The firmware upgrade against the simulated processor in-process: a whole image installed and
// the processor back with the new version, refusals by the program and by the processor, and a
// connection lost in the middle of the transfer.
#include "SimLink.h"

#include "files/FirmwareUpgrade.h"
#include "files/UpgradeTestSupport.h"

#include <QTemporaryDir>

using namespace upgradetest;
using Outcome = FirmwareUpgrade::Outcome;
using State = FirmwareUpgrade::State;

namespace {

constexpr quint16 SimUpgradeId = 0x5654; // what the simulator takes by default

// An image with a full trailer: identifier, major, minor, patch, then 5 bytes not examined.
QByteArray simImage(int size, quint16 identifier, sim::FirmwareVersion version)
{
    QByteArray bytes = image(size, identifier, version[1]);
    bytes[size - 8] = char(version[0]);
    bytes[size - 6] = char(version[2]);
    return bytes;
}

} // namespace

class UpgradeSimTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    struct Session
    {
        explicit Session(sim::SimOptions options = {})
            : link((options.timing.rebootMs = 0, options)), upgrade(link.model.get())
        {
            QObject::connect(link.model.get(), &DataModel::tcpSyncToUI, &upgrade,
                             &FirmwareUpgrade::tcpSyncToUI);
        }
        // Logged in, and the control firmware version known from the status poll.
        bool open()
        {
            return link.open() && link.pass(1) && SimLink::waitFor([this] {
                       return link.model->deviceInfo().armVersion == DeviceInfo::Version {3, 1, 4};
                   });
        }
        SimLink link;
        FirmwareUpgrade upgrade;
    };

    QString write(const QByteArray &bytes)
    {
        return writeFile(m_dir, QStringLiteral("firmware.img"), bytes);
    }

private slots:
    void aWholeImageInstallsAndTheProgramLogsInAgain()
    {
        Session s;
        QVERIFY(s.open());
        QSignalSpy finished(&s.upgrade, &FirmwareUpgrade::finished);
        QSignalSpy progress(&s.upgrade, &FirmwareUpgrade::progressChanged);
        QSignalSpy rebooted(s.link.device.get(), &sim::SimDevice::rebootFinished);
        const int logins = s.link.logins.size();
        QVERIFY(s.upgrade.start(write(simImage(5000, SimUpgradeId, {3, 7, 2}))));
        QVERIFY(SimLink::waitFor([&] { return finished.count() == 1; }));
        QCOMPARE(finished[0][0].value<Outcome>(), Outcome::Completed);
        QCOMPARE(progress.count(), 10); // 10 blocks: 0 at the start, then 1..9
        QVERIFY(rebooted.count() == 1 || rebooted.wait(5000));

        // The processor dropped the connection for its reboot; the program connects again after
        // its 3 s time-out, logs in and reads the new version.
        QVERIFY(SimLink::waitFor([&] {
            return s.link.model->currentSocket()->state() != QAbstractSocket::ConnectedState;
        }));
        s.link.tick(300);
        QVERIFY(s.link.waitForConnection());
        QVERIFY(SimLink::waitFor([&] { return s.link.model->isLoggedIn(); }));
        QVERIFY(s.link.logins.size() > logins);
        QVERIFY(s.link.pass(1));
        QVERIFY(SimLink::waitFor([&] {
            return s.link.model->deviceInfo().armVersion == DeviceInfo::Version {3, 7, 2};
        }));
    }

    void refusals_data()
    {
        QTest::addColumn<int>("reject");
        QTest::addColumn<quint16>("identifier");
        QTest::addColumn<quint8>("minor");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("blocksSent");
        QTest::newRow("image for other hardware")
                << 0 << quint16(0x1234) << quint8(7) << int(Outcome::FileFormatError) << false;
        QTest::newRow("image older than the firmware")
                << 0 << SimUpgradeId << quint8(0) << int(Outcome::FileFormatError) << false;
        QTest::newRow("processor refuses with 254")
                << 254 << SimUpgradeId << quint8(7) << int(Outcome::FileError) << true;
        QTest::newRow("processor refuses with 255")
                << 255 << SimUpgradeId << quint8(7) << int(Outcome::FileFormatError) << true;
    }
    void refusals()
    {
        QFETCH(int, reject);
        QFETCH(quint16, identifier);
        QFETCH(quint8, minor);
        QFETCH(int, outcome);
        QFETCH(bool, blocksSent);
        sim::SimOptions options;
        options.faults.rejectUpgrade = reject;
        Session s(options);
        QVERIFY(s.open());
        QSignalSpy progress(&s.upgrade, &FirmwareUpgrade::progressChanged);
        QSignalSpy rebootStarted(s.link.device.get(), &sim::SimDevice::rebootStarted);
        QVERIFY(s.upgrade.start(write(simImage(1500, identifier, {3, minor, 0}))));
        QVERIFY(SimLink::waitFor([&] { return s.upgrade.state() == State::Refused; }));
        QCOMPARE(int(s.upgrade.outcome()), outcome);
        QCOMPARE(progress.count() > 0, blocksSent);
        // The refusal closes after 3 s; the processor runs on with its firmware.
        s.link.clock.advance(3000);
        s.upgrade.checkWatchdog();
        QCOMPARE(s.upgrade.state(), State::Idle);
        QCOMPARE(rebootStarted.count(), 0);
        QVERIFY(s.link.model->isLoggedIn());
    }

    void aConnectionLostMidwayFailsAndTheProgramReconnects()
    {
        Session s;
        QVERIFY(s.open());
        QSignalSpy finished(&s.upgrade, &FirmwareUpgrade::finished);
        // Stop acknowledging after block 3 by dropping the connection under the transfer.
        connect(&s.upgrade, &FirmwareUpgrade::progressChanged, [&](int value) {
            if (value == 3) {
                s.link.device->faults().dropAfterMs = 0;
                s.link.device->housekeeping();
                s.link.device->faults().dropAfterMs = -1;
            }
        });
        QVERIFY(s.upgrade.start(write(simImage(100000, SimUpgradeId, {3, 7, 2}))));
        QVERIFY(SimLink::waitFor([&] {
            return s.link.model->currentSocket()->state() != QAbstractSocket::ConnectedState;
        }));
        QCOMPARE(s.upgrade.state(), State::Transferring);
        QVERIFY(s.upgrade.value() < 10);
        s.link.clock.advance(3000);
        s.upgrade.checkWatchdog();
        QCOMPARE(s.upgrade.text(), QStringLiteral("Upgrade failed!"));
        s.link.clock.advance(2000);
        s.upgrade.checkWatchdog();
        QCOMPARE(finished.value(0).value(0).value<Outcome>(), Outcome::Failed);

        s.link.tick(300);
        QVERIFY(s.link.waitForConnection());
        QVERIFY(SimLink::waitFor([&] { return s.link.model->isLoggedIn(); }));
        QCOMPARE(s.link.device->store().system.armVersion, (sim::FirmwareVersion {3, 1, 4}));
    }
};

QTEST_MAIN(UpgradeSimTest)
#include "UpgradeSimTest.moc"
