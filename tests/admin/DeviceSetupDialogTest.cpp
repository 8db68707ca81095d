#include "AdminTestSupport.h"

#include "admin/DeviceSetupDialog.h"
#include "admin/PasswordDialog.h"
#include "app/AppTestEnvironment.h"
#include "model/MessageCatalogue.h"
#include "settings/SystemSettings.h"
#include "widgets/Resources.h"
#include "wire/ByteWriter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

using namespace AdminTest;

// The device setup dialog against a stand-in processor: what each edit sends, byte for byte,
// what it refuses, and that the device's replies fill the fields without sending anything.
class DeviceSetupDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackDevice> d;
    std::unique_ptr<DeviceSetupDialog> dialog;
    std::unique_ptr<WriteLog> log;

    template<typename T> T *child(const char *name) const
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(name); }
    QString info(const char *name) const { return child<QLabel>(name)->text(); }
    QSpinBox *limitBox(bool inputs, int channel, bool maximum) const
    {
        auto *group = child<QGroupBox>(inputs ? "inputLimitGroup" : "outputLimitGroup");
        const auto boxes = group->findChildren<QSpinBox *>(QString::number(channel));
        // In each row the minimum comes first.
        return boxes.value(maximum ? 1 : 0);
    }

private slots:
    void initTestCase() { initApplicationResources(); }

    void init()
    {
        d = std::make_unique<LoopbackDevice>();
        QVERIFY(d->connect());
        dialog = std::make_unique<DeviceSetupDialog>(d->model.get());
        connect(d->model.get(), &DataModel::tcpSyncToUI, dialog.get(),
                &DeviceSetupDialog::syncFromModel);
        DeviceInfo &info = d->model->deviceInfo();
        info.address = 0xC0A8010A; // 192.168.1.10
        info.netmask = 0xFFFFFF00;
        info.gateway = 0xC0A80101;
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        log = std::make_unique<WriteLog>(d->peer);
        answerBoxes(QStringLiteral("OK"));
    }

    void cleanup()
    {
        MessageBox::setResponder({});
        PasswordDialog::setResponder({});
        log.reset();
        dialog.reset();
        d.reset();
    }

    void locationAndDescriptionAreDeviceTexts()
    {
        QSignalSpy announced(d->model.get(), &DataModel::tcpSyncToUI);
        typeInto(edit("deviceLocationEdit"), QStringLiteral("Studio"));
        QCOMPARE(log->take(), QStringList {frame(Msg::SysLocation, "53 74 75 64 69 6f")});
        QCOMPARE(d->model->deviceInfo().location, QStringLiteral("Studio"));
        QVERIFY(!announced.isEmpty());
        QCOMPARE(announced.first().at(2).toInt(), 10); // the device list follows

        // The same text again sends nothing; 17 characters cannot be typed.
        typeInto(edit("deviceLocationEdit"), QStringLiteral("Studio"));
        QTest::keyClicks(edit("deviceLocationEdit"), QString(20, QLatin1Char('x')));
        QCOMPARE(edit("deviceLocationEdit")->text().size(), 16);

        // Nine double-byte characters are 18 bytes: refused, the stored text comes back.
        edit("deviceLocationEdit")->setText(QStringLiteral("一二三四五六七八九"));
        QTest::keyClick(edit("deviceLocationEdit"), Qt::Key_Return);
        QCOMPARE(boxTexts(),
                 QStringList {QStringLiteral("The device location's length can not be greater than "
                                             "16 bytes, please enter again!")});
        QCOMPARE(edit("deviceLocationEdit")->text(), QStringLiteral("Studio"));
        QCOMPARE(log->take(), QStringList());

        // Blank puts the stored text back too; eight double-byte characters fit.
        typeInto(edit("deviceDescriptionEdit"), QStringLiteral("   "));
        QCOMPARE(log->take(), QStringList());
        edit("deviceDescriptionEdit")->setText(QStringLiteral("一二三四五六七八"));
        QTest::keyClick(edit("deviceDescriptionEdit"), Qt::Key_Return);
        QCOMPARE(log->take(),
                 QStringList {frame(Msg::SysDescription, "d2bbb6fec8fdcbc4cee5c1f9c6dfb0cb")});
    }

    void networkAddresses()
    {
        QLineEdit *address = edit("ipAddressEdit");
        QCOMPARE(address->text(), QStringLiteral("192.168.1.10"));
        // An octet of 300 cannot be typed.
        address->clear();
        QTest::keyClicks(address, QStringLiteral("10.0.300"));
        QVERIFY(!address->text().contains(QStringLiteral("300")));

        typeInto(address, QStringLiteral("192.168.1.100"));
        QCOMPARE(log->take(),
                 QStringList {frame(Msg::SysNetwork, "64 01 a8 c0 00 ff ff ff 01 01 a8 c0")});
        // The stored address again: nothing.
        typeInto(address, QStringLiteral("192.168.1.100"));
        QCOMPARE(log->take(), QStringList());
        QCOMPARE(boxTexts(), QStringList());

        // An incomplete address is refused with its message and the edit shows the stored one.
        const struct
        {
            const char *edit;
            const char *text;
            const char *message;
        } refused[] = {
                {"ipAddressEdit", "192.168",
                 "The IP address's format is error, please enter again!"},
                {"netmaskEdit", "255.255",
                 "The subnet netmask's format is error, please enter again!"},
                {"gatewayEdit", "10.1.",
                 "The gateway address's format is error, please enter again!"},
        };
        for (const auto &r : refused) {
            MessageBox::clearHistory();
            typeInto(edit(r.edit), QLatin1String(r.text));
            QCOMPARE(boxTexts(), QStringList {QLatin1String(r.message)});
        }
        QCOMPARE(log->take(), QStringList());
        QCOMPARE(edit("ipAddressEdit")->text(), QStringLiteral("192.168.1.100"));

        typeInto(edit("gatewayEdit"), QStringLiteral("192.168.1.254"));
        QCOMPARE(log->take(),
                 QStringList {frame(Msg::SysNetwork, "64 01 a8 c0 00 ff ff ff fe 01 a8 c0")});
    }

    void dataSyncAsSlave()
    {
        QVERIFY(!edit("syncHostEdit")->isVisible());
        child<QComboBox>("syncModeComboBox")->setCurrentIndex(2);
        QCOMPARE(log->take(), QStringList {frame(Msg::SyncConfig, "02 00 00 00 00")});
        QVERIFY(edit("syncHostEdit")->isVisible());

        typeInto(edit("syncHostEdit"), QStringLiteral("192.168.1.5"));
        QCOMPARE(log->take(), QStringList {frame(Msg::SyncConfig, "02 05 01 a8 c0")});

        // Master: the address is cleared and its edit hidden.
        child<QComboBox>("syncModeComboBox")->setCurrentIndex(1);
        QCOMPARE(log->take(), QStringList {frame(Msg::SyncConfig, "01 00 00 00 00")});
        QVERIFY(!edit("syncHostEdit")->isVisible());
    }

    void volumeLimits()
    {
        // Channel 3 of the inputs: maximum 12, minimum -56.
        limitBox(true, 2, true)->setValue(11);
        limitBox(true, 2, true)->setValue(12);
        QCOMPARE(log->take(),
                 (QStringList {frame(Msg::PreMixGainRange, "02 0b c8"),
                               frame(Msg::PreMixGainRange, "02 0c c8")}));
        limitBox(false, 0, false)->setValue(-20);
        QCOMPARE(log->take(), QStringList {frame(Msg::OutGainRange, "00 0c ec")});

        // The device's ranges refresh the boxes and send nothing.
        ByteWriter ranges;
        for (int ch = 0; ch < 16; ++ch)
            ranges.f32(ch == 4 ? 6.0f : 12.0f).f32(ch == 4 ? -30.0f : -56.0f);
        d->reply(Msg::PreMixGainRange, ranges);
        QCOMPARE(limitBox(true, 4, true)->value(), 6);
        QCOMPARE(limitBox(true, 4, false)->value(), -30);
        QCOMPARE(log->take(), QStringList());
    }

    void switchesOfTheGeneralSetup()
    {
        child<QComboBox>("gateReportComboBox")->setCurrentIndex(1);
        child<QComboBox>("rs232ComboBox")->setCurrentText(QStringLiteral("9600"));
        child<QCheckBox>("onBootCheckBox")->click();
        child<QCheckBox>("afterInsertingCheckBox")->click();
        QTest::mouseClick(child<QPushButton>("fanButton"), Qt::LeftButton);
        QCOMPARE(log->take(),
                 (QStringList {frame(Msg::SysGateReport, "01"),
                               frame(Msg::SysRs232Baud, "80 25 00 00"),
                               frame(Msg::SysUsbAutoPlay, "01"), frame(Msg::SysUsbAutoPlay, "03"),
                               frame(Msg::SysFanTest, "01")}));
        QVERIFY(!child<QComboBox>("rs485ComboBox")->isEnabled()); // shown only
    }

    void passwords()
    {
        QStringList titles;
        PasswordDialog::Entries answer;
        PasswordDialog::setResponder([&](const QString &title) {
            titles << title;
            return std::optional<PasswordDialog::Entries>(answer);
        });
        QPushButton *login = child<QPushButton>("passwordButton");
        QPushButton *user = child<QPushButton>("userPasswordButton");

        answer = {QStringLiteral("abc"), QStringLiteral("abC")};
        QTest::mouseClick(login, Qt::LeftButton);
        QCOMPARE(boxTexts(),
                 QStringList {QStringLiteral(
                         "The two passwords you entered are different, please enter again!")});
        answer = {QString(), QString()};
        QTest::mouseClick(user, Qt::LeftButton);
        QCOMPARE(log->take(), QStringList());
        QCOMPARE(MessageBox::history().size(), 1);

        answer = {QStringLiteral("abc123"), QStringLiteral("abc123")};
        QTest::mouseClick(login, Qt::LeftButton);
        QTest::mouseClick(user, Qt::LeftButton);
        QCOMPARE(log->take(),
                 (QStringList {frame(Msg::SysPassword, "61 62 63 31 32 33"),
                               frame(Msg::SysUserPassword, "61 62 63 31 32 33")}));

        // The admin form of the first row.
        dialog->setAdminPassword(true);
        QTest::mouseClick(login, Qt::LeftButton);
        QCOMPARE(titles.mid(2),
                 (QStringList {QStringLiteral("Login Password Setting"),
                               QStringLiteral("User Password Setting"),
                               QStringLiteral("Admin Password Setting")}));
        log->take();

        // The device's answer to the user password.
        MessageBox::clearHistory();
        d->reply(Msg::SysUserPassword, QByteArray(1, '\0'));
        d->reply(Msg::SysUserPassword, QByteArray(1, '\1'));
        QCOMPARE(boxTexts(),
                 (QStringList {QStringLiteral("Password set successfully!"),
                               QStringLiteral("Password setting failed!")}));
    }

    void repliesFillTheFieldsWithoutSending()
    {
        const QList<QPair<MessageId, QByteArray>> replies = {
                {Msg::SysArmVersion, QByteArray::fromHex("030104")},
                {Msg::SysArmBuild, ByteWriter().u32(0x1a2b)},
                {Msg::SysTemperature, ByteWriter().f32(41.3f)},
                {Msg::SysRunTime, ByteWriter().u32(90061)},
                {Msg::SysChannelConfig, QByteArray::fromHex("1008")},
                {Msg::SysMacAddress, QByteArray::fromHex("0011223344ff")},
                {Msg::SysFaultFlags, QByteArray(1, '\x10')},
                {Msg::SysFaults, QByteArray::fromHex("0102010101")},
                {Msg::SysLocation, "Hall"},
                {Msg::SysNetwork, QByteArray::fromHex("1400000a0000ffff0100000a")},
                {Msg::SysRs232Baud, ByteWriter().u32(57600)},
                {Msg::SysStatus18, ByteWriter().u32(9600)},
                {Msg::SysUsbAutoPlay, QByteArray(1, '\2')},
                {Msg::SyncConfig, QByteArray::fromHex("0204030201")},
                {Msg::SyncStatus, QByteArray(1, '\2')},
        };
        for (const auto &r : replies)
            d->reply(r.first, r.second);
        const QList<QPair<const char *, QString>> labels = {
                {"armVersionValue", "V3.1.4"},       {"codeIdValue", "00001A2B"},
                {"temperatureValue", "41.3 \u2103"}, {"runTimeValue", "1day 01:01:01"},
                {"channelConfigValue", "16x8"},      {"macAddressValue", "00-11-22-33-44-FF"},
                {"dspStatusValue", "Normal"},        {"codecStatusValue", "Error"},
                {"syncStatusValue", "Synced"}};
        for (const auto &l : labels)
            QCOMPARE(info(l.first), l.second);
        QCOMPARE(child<QLabel>("rail1Value")->property("status").toString(),
                 QStringLiteral("Error")); // +48V
        QCOMPARE(child<QLabel>("rail0Value")->property("status").toString(),
                 QStringLiteral("Normal"));
        QCOMPARE(edit("deviceLocationEdit")->text(), QStringLiteral("Hall"));
        QCOMPARE(edit("ipAddressEdit")->text(), QStringLiteral("10.0.0.20"));
        QCOMPARE(edit("netmaskEdit")->text(), QStringLiteral("255.255.0.0"));
        QCOMPARE(child<QComboBox>("rs232ComboBox")->currentText(), QStringLiteral("57600"));
        QCOMPARE(child<QComboBox>("rs485ComboBox")->currentText(), QStringLiteral("9600"));
        QVERIFY(!child<QCheckBox>("onBootCheckBox")->isChecked());
        QVERIFY(child<QCheckBox>("afterInsertingCheckBox")->isChecked());
        QCOMPARE(child<QComboBox>("syncModeComboBox")->currentIndex(), 2);
        QCOMPARE(edit("syncHostEdit")->text(), QStringLiteral("1.2.3.4"));
        QCOMPARE(log->take(), QStringList());

        // The ARM version's detailed form, with the build, until the timer ends it.
        QTest::mouseDClick(child<QLabel>("armVersionValue"), Qt::LeftButton);
        QCOMPARE(info("armVersionValue"), QStringLiteral("V3.1.4-1A2B"));
        dialog->timeout();
        QCOMPARE(info("armVersionValue"), QStringLiteral("V3.1.4"));
    }

    void openWhileShown()
    {
        QCOMPARE(d->model->openDialogs() & StatusPoll::DeviceSetupDialog,
                 int(StatusPoll::DeviceSetupDialog));
        dialog->hide();
        QCOMPARE(d->model->openDialogs() & StatusPoll::DeviceSetupDialog, 0);
        QVERIFY(!SystemSettings::loadGeometry(QStringLiteral("DeviceSetupGeometry")).isEmpty());
        QCOMPARE(log->take(), QStringList()); // opening and closing send nothing
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<DeviceSetupDialogTest>(argc, argv);
}

#include "DeviceSetupDialogTest.moc"
