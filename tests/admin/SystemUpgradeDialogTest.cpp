// What the user sees of a firmware upgrade: the file dialog, the progress, the refusals with
// "OK" and no bar, cancel, and the main window's menu entry and forwarding of the upgrade
// messages.
#include "app/AppTestEnvironment.h"
#include "files/UpgradeTestSupport.h"

#include "admin/SystemUpgradeProgressDialog.h"
#include "app/Appearance.h"
#include "app/MainMenuBar.h"
#include "app/MainWindow.h"
#include "model/MessageCatalogue.h"
#include "widgets/MessageBox.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

using namespace upgradetest;
using State = FirmwareUpgrade::State;

class SystemUpgradeDialogTest : public QObject
{
    Q_OBJECT

    LoopbackDevice m_device;
    QTemporaryDir m_dir;
    QString m_chosen;

    static QString labelOf(const QProgressDialog &dialog)
    {
        return dialog.findChild<QLabel *>()->text();
    }
    static QProgressBar *barOf(const QProgressDialog &dialog)
    {
        return dialog.findChild<QProgressBar *>();
    }
    void ready() { m_device.reply(Msg::UpgradeData, hex("00005456")); }
    void ack(int block)
    {
        m_device.reply(Msg::UpgradeData, ByteWriter().u8(0).u8(1).u16(quint16(block)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_device.connect());
        MessageBox::setFileResponder([this](const MessageBox::FileRequest &request) {
            MessageBox::clearHistory();
            Q_UNUSED(request)
            return m_chosen;
        });
        m_device.model->deviceInfo().armVersion = {3, 1, 4};
    }

    void theFileDialogAsksForAnImage()
    {
        QList<MessageBox::FileRequest> requests;
        MessageBox::setFileResponder([&](const MessageBox::FileRequest &request) {
            requests << request;
            return QString();
        });
        SystemUpgradeProgressDialog dialog(m_device.model.get());
        connect(m_device.model.get(), &DataModel::tcpSyncToUI, &dialog,
                &SystemUpgradeProgressDialog::tcpSyncToUI);
        m_device.drain();
        dialog.systemUpgradeActionTriggered();
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].caption, QStringLiteral("Select a firmware file to upgrade"));
        QCOMPARE(requests[0].filter, QStringLiteral("img file(*.img)"));
        QCOMPARE(requests[0].directory, QDir::currentPath());
        QVERIFY(!requests[0].save);
        QCOMPARE(upgradeFrames(m_device.received(0)).size(), 0); // nothing chosen: nothing sent
        QVERIFY(!dialog.isVisible());
        MessageBox::setFileResponder([this](const MessageBox::FileRequest &) { return m_chosen; });
    }

    void progressLabelsAndTheEnd()
    {
        m_chosen = writeFile(m_dir, QStringLiteral("a.img"), image(1024, 0x5654, 1));
        SystemUpgradeProgressDialog dialog(m_device.model.get());
        connect(m_device.model.get(), &DataModel::tcpSyncToUI, &dialog,
                &SystemUpgradeProgressDialog::tcpSyncToUI);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("System Upgrade"));
        dialog.systemUpgradeActionTriggered();
        QVERIFY(!dialog.isVisible()); // nothing until the device answers
        ready();
        QVERIFY(dialog.isVisible());
        QCOMPARE(labelOf(dialog), QStringLiteral("Upgrading..."));
        QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("Cancel"));
        QVERIFY(barOf(dialog)->isVisible());
        QCOMPARE(barOf(dialog)->maximum(), 3);
        ack(0);
        QCOMPARE(labelOf(dialog), QStringLiteral("Upgrading...33%"));
        QCOMPARE(barOf(dialog)->value(), 1);
        ack(1);
        QCOMPARE(labelOf(dialog), QStringLiteral("Upgrading...66%"));
        ack(2);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(labelOf(dialog), QString());
        QCOMPARE(dialog.upgrade()->outcome(), FirmwareUpgrade::Outcome::Completed);
    }

    void refusalsShowOkAndNoBar_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("254") << 254 << QStringLiteral("File is error!");
        QTest::newRow("255") << 255 << QStringLiteral("File format is error!");
        QTest::newRow("image for other hardware") << -1 << QStringLiteral("File format is error!");
    }
    void refusalsShowOkAndNoBar()
    {
        QFETCH(int, status);
        QFETCH(QString, text);
        m_chosen = writeFile(m_dir, QStringLiteral("b.img"),
                             image(3000, status < 0 ? 0x1111 : 0x5654, 1));
        SystemUpgradeProgressDialog dialog(m_device.model.get());
        connect(m_device.model.get(), &DataModel::tcpSyncToUI, &dialog,
                &SystemUpgradeProgressDialog::tcpSyncToUI);
        dialog.systemUpgradeActionTriggered();
        ready();
        if (status >= 0) {
            ack(0);
            m_device.reply(Msg::UpgradeStatus, QByteArray(1, char(253))); // ignored
            QCOMPARE(labelOf(dialog), QStringLiteral("Upgrading...16%"));
            m_device.reply(Msg::UpgradeStatus, QByteArray(1, char(status)));
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(labelOf(dialog), text);
        QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("OK"));
        QVERIFY(!barOf(dialog)->isVisible());
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.upgrade()->state(), State::Idle);

        // The next upgrade shows its bar and "Cancel" again.
        m_chosen = writeFile(m_dir, QStringLiteral("c.img"), image(3000, 0x5654, 1));
        dialog.systemUpgradeActionTriggered();
        ready();
        QVERIFY(barOf(dialog)->isVisible());
        QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("Cancel"));
    }

    void cancelSendsNoFurtherBlockAndFailureCloses()
    {
        m_chosen = writeFile(m_dir, QStringLiteral("d.img"), image(3000, 0x5654, 1));
        SystemUpgradeProgressDialog dialog(m_device.model.get());
        connect(m_device.model.get(), &DataModel::tcpSyncToUI, &dialog,
                &SystemUpgradeProgressDialog::tcpSyncToUI);
        dialog.systemUpgradeActionTriggered();
        ready();
        ack(0);
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        m_device.drain();
        ack(1);
        QCOMPARE(upgradeFrames(m_device.received(0)).size(), 0);
        QCOMPARE(dialog.upgrade()->state(), State::Cancelled);

        // Acknowledgements that stop: "Upgrade failed!" for 2 s, then the dialog closes.
        dialog.systemUpgradeActionTriggered();
        ready();
        m_device.clock.advance(3000);
        dialog.upgrade()->checkWatchdog();
        QCOMPARE(labelOf(dialog), QStringLiteral("Upgrade failed!"));
        QVERIFY(dialog.isVisible());
        m_device.clock.advance(2000);
        dialog.upgrade()->checkWatchdog();
        QVERIFY(!dialog.isVisible());
    }

    void theMainWindowOffersTheEntryAndForwardsTheMessages()
    {
        writeSettingsFile(settingsPath(), QByteArray());
        SystemSettings settings;
        Appearance appearance(&settings);
        MainWindow window(&settings, m_device.model.get());
        QAction *entry =
                window.menuBar()->findChild<QAction *>(QStringLiteral("systemUpgradeAction"));
        QVERIFY(entry);
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->text(), QStringLiteral("System Upgrade"));

        m_chosen = writeFile(m_dir, QStringLiteral("e.img"), image(700, 0x5654, 1));
        m_device.drain();
        entry->trigger();
        QCOMPARE(upgradeFrames(m_device.received(12)), QList<QByteArray>({frame(hex("0000"))}));
        ready();
        auto *dialog = window.findChild<SystemUpgradeProgressDialog *>();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(labelOf(*dialog), QStringLiteral("Upgrading..."));
        ack(0);
        QVERIFY(dialog->grab().save(AppTestEnvironment::startDirectory()
                                    + QStringLiteral("/system-upgrade-progress.png")));
        m_device.reply(Msg::UpgradeStatus, QByteArray(1, char(254)));
        QVERIFY(dialog->grab().save(AppTestEnvironment::startDirectory()
                                    + QStringLiteral("/system-upgrade-refused.png")));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<SystemUpgradeDialogTest>(argc, argv);
}
#include "SystemUpgradeDialogTest.moc"
