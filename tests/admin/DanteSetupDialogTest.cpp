#include "AdminTestSupport.h"

#include "admin/ClearConfigDialog.h"
#include "admin/DanteSetupDialog.h"
#include "app/AppTestEnvironment.h"
#include "model/MessageCatalogue.h"
#include "settings/SystemSettings.h"
#include "widgets/Resources.h"
#include "wire/ByteWriter.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using namespace AdminTest;

namespace {

// The module's information block as a device reports it: name, model, version 4.2.3, address
// 169.254.1.2, 1000 Mbit/s, 1 ms, automatic address.
QByteArray infoBlock(const QByteArray &name = "VX-Stage")
{
    ByteWriter out(94);
    out.fixedText(name, 32).fixedText("DNA-4x4", 32).u32((4u << 24) | (2u << 16) | 3u);
    out.bytes(QByteArray::fromHex("a9fe0102")).u32(1000).u32(1000).u8(0).u8(2);
    out.bytes(QByteArray::fromHex("ffff0000")).bytes(QByteArray(4, '\0'));
    out.bytes(QByteArray(4, '\0'));
    return out;
}

} // namespace

// The Dante setup dialog against a stand-in processor: the questions before every change that
// disturbs audio or the network, what goes out after "OK", and nothing after "Cancel".
class DanteSetupDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackDevice> d;
    std::unique_ptr<DanteSetupDialog> dialog;
    std::unique_ptr<WriteLog> log;

    template<typename T> T *child(const char *name) const
    {
        return dialog->findChild<T *>(QLatin1String(name));
    }
    QLineEdit *edit(const char *name) const { return child<QLineEdit>(name); }
    QLineEdit *labelEdit(bool receive, int row) const
    {
        auto *table = child<QTableWidget>(receive ? "receiveChannelTable" : "transmitChannelTable");
        return qobject_cast<QLineEdit *>(table->cellWidget(row, 1));
    }
    bool applyEnabled() const { return child<QPushButton>("applyButton")->isEnabled(); }
    bool revertEnabled() const { return child<QPushButton>("revertButton")->isEnabled(); }

private slots:
    void initTestCase() { initApplicationResources(); }

    void init()
    {
        d = std::make_unique<LoopbackDevice>();
        QVERIFY(d->connect());
        dialog = std::make_unique<DanteSetupDialog>(d->model.get());
        connect(d->model.get(), &DataModel::tcpSyncToUI, dialog.get(),
                &DanteSetupDialog::syncFromModel);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        d->reply(Msg::DanteInfo, infoBlock());
        log = std::make_unique<WriteLog>(d->peer);
        answerBoxes(QStringLiteral("OK"));
    }

    void cleanup()
    {
        MessageBox::setResponder({});
        ClearConfigDialog::setResponder({});
        DanteSetupDialog::setLinkOpener({});
        log.reset();
        dialog.reset();
        d.reset();
    }

    void informationAndClock()
    {
        QCOMPARE(child<QLabel>("productVersionValue")->text(), QStringLiteral("4.2.3"));
        QCOMPARE(child<QComboBox>("deviceLatencyComboBox")->currentText(),
                 QStringLiteral("1.0 msec"));
        QCOMPARE(edit("danteAddressEdit")->text(), QStringLiteral("169.254.1.2"));
        QCOMPARE(edit("danteDnsEdit")->text(), QString()); // 0 leaves the edit empty

        d->reply(Msg::DanteState3, QByteArray::fromHex("0107"));
        QCOMPARE(child<QLabel>("clockStatusValue")->text(), QStringLiteral("Master"));
        d->reply(Msg::DanteState3, QByteArray::fromHex("020a"));
        QCOMPARE(child<QLabel>("clockSourceValue")->text(), QStringLiteral("External"));
        QCOMPARE(child<QLabel>("clockStatusValue")->text(), QStringLiteral("Slave"));

        QByteArray block(65, '\0');
        block[0] = 1;
        block.replace(1, 8, "StageBox");
        block.replace(33, 6, "Mic-02");
        d->reply(Msg::DanteBlock4, block);
        auto *table = child<QTableWidget>("receiveChannelTable");
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("Mic-02@StageBox"));
        QCOMPARE(log->take(), QStringList());
    }

    void deviceName()
    {
        const QString question = QStringLiteral(
                "Renaming a device breaks existing audio routes from this device to other "
                "devices.\nAre you sure that you want to rename VX-Stage to %1?");
        const QString name31(31, QLatin1Char('n'));
        typeInto(edit("deviceNameEdit"), name31);
        QCOMPARE(boxTexts(), QStringList {question.arg(name31)});
        QCOMPARE(log->take(),
                 QStringList {frame(Msg::DanteRename, QByteArray(31, 'n').toHex().constData())});
        QCOMPARE(edit("deviceNameEdit")->text(), name31);

        MessageBox::clearHistory();
        typeInto(edit("deviceNameEdit"), QString(32, QLatin1Char('m')));
        QCOMPARE(boxTexts(),
                 QStringList {QStringLiteral("The device name's length can not be greater than 31 "
                                             "bytes, please enter again!")});
        QCOMPARE(edit("deviceNameEdit")->text(), name31);

        // Cancel leaves the module and the edit as they were; the same name asks nothing.
        answerBoxes(QStringLiteral("Cancel"));
        typeInto(edit("deviceNameEdit"), QStringLiteral("Other"));
        QCOMPARE(edit("deviceNameEdit")->text(), name31);
        MessageBox::clearHistory();
        typeInto(edit("deviceNameEdit"), name31);
        QCOMPARE(boxTexts(), QStringList());
        QCOMPARE(log->take(), QStringList());
    }

    void latency()
    {
        auto *box = child<QComboBox>("deviceLatencyComboBox");
        answerBoxes(QStringLiteral("Cancel"));
        box->setCurrentIndex(2);
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(log->take(), QStringList());

        answerBoxes(QStringLiteral("OK"));
        box->setCurrentIndex(2);
        QCOMPARE(boxTexts(),
                 QStringList {QStringLiteral("Changing device latency will interrupt existing "
                                             "audio routes to and from this "
                                             "device.\nAre you sure that you want to change the "
                                             "latency from 1.0 msec to 5.0 "
                                             "msec?")});
        QCOMPARE(log->take(), QStringList {frame(Msg::DanteLatency, "88 13 00 00")});
        QCOMPARE(box->currentIndex(), 2);
    }

    void rebootAndClear()
    {
        answerBoxes(QStringLiteral("Cancel"));
        QTest::mouseClick(child<QPushButton>("rebootButton"), Qt::LeftButton);
        ClearConfigDialog::setResponder([] { return std::optional<bool>(); });
        QTest::mouseClick(child<QPushButton>("clearConfigButton"), Qt::LeftButton);
        QCOMPARE(log->take(), QStringList());

        answerBoxes(QStringLiteral("OK"));
        QTest::mouseClick(child<QPushButton>("rebootButton"), Qt::LeftButton);
        QCOMPARE(boxTexts(), QStringList {QStringLiteral("Are you sure that you want to reboot?")});
        QCOMPARE(log->take(), QStringList {frame(Msg::DanteReboot, "")});

        for (bool keep : {true, false}) {
            ClearConfigDialog::setResponder([keep] { return std::optional<bool>(keep); });
            QTest::mouseClick(child<QPushButton>("clearConfigButton"), Qt::LeftButton);
            QCOMPARE(log->take(),
                     (QStringList {frame(Msg::DanteClearConfig, keep ? "02 00" : "01 00"),
                                   frame(Msg::DanteReboot, "")}));
        }
    }

    void networkConfiguration()
    {
        QVERIFY(!edit("danteAddressEdit")->isEnabled());
        QVERIFY(!applyEnabled());
        QTest::mouseClick(child<QRadioButton>("manualRadioButton"), Qt::LeftButton);
        QVERIFY(edit("danteAddressEdit")->isEnabled());
        QVERIFY(applyEnabled()); // the mode differs

        // An incomplete address cannot be applied; Revert brings back what the module reported.
        edit("danteAddressEdit")->clear();
        QTest::keyClicks(edit("danteAddressEdit"), QStringLiteral("192.168.1"));
        QVERIFY(!applyEnabled());
        QTest::mouseClick(child<QPushButton>("revertButton"), Qt::LeftButton);
        QVERIFY(child<QRadioButton>("automaticRadioButton")->isChecked());
        QCOMPARE(edit("danteAddressEdit")->text(), QStringLiteral("169.254.1.2"));
        QVERIFY(!revertEnabled());

        QTest::mouseClick(child<QRadioButton>("manualRadioButton"), Qt::LeftButton);
        for (const char *t : {"danteAddressEdit:192.168.1.20", "danteNetmaskEdit:255.255.255.0",
                              "danteGatewayEdit:192.168.1.1"}) {
            const QStringList field = QString::fromLatin1(t).split(QLatin1Char(':'));
            edit(qPrintable(field[0]))->clear();
            QTest::keyClicks(edit(qPrintable(field[0])), field[1]);
        }
        // A poll reply meanwhile leaves the unapplied edits alone.
        d->reply(Msg::DanteInfo, infoBlock("VX-Stage2"));
        QCOMPARE(edit("danteAddressEdit")->text(), QStringLiteral("192.168.1.20"));

        answerBoxes(QStringLiteral("Cancel"));
        QTest::mouseClick(child<QPushButton>("applyButton"), Qt::LeftButton);
        QCOMPARE(log->take(), QStringList());

        answerBoxes(QStringLiteral("OK"));
        QTest::mouseClick(child<QPushButton>("applyButton"), Qt::LeftButton);
        QCOMPARE(boxTexts(),
                 QStringList {QStringLiteral("Are you sure that you want to change the IP address "
                                             "configuration and reboot now "
                                             "to take effect?")});
        QCOMPARE(log->take(),
                 (QStringList {frame(Msg::DanteNetwork,
                                     "04 c0 a8 01 14 ff ff ff 00 00 00 00 00 c0 a8 01 01"),
                               frame(Msg::DanteReboot, "")}));
        QVERIFY(!applyEnabled());
        QVERIFY(child<QRadioButton>("manualRadioButton")->isChecked());
    }

    void channelLabels()
    {
        QSignalSpy inputs(dialog.get(), &DanteSetupDialog::inputLabelChanged);
        QSignalSpy outputs(dialog.get(), &DanteSetupDialog::outputLabelChanged);
        typeInto(labelEdit(true, 0), QStringLiteral("Lectern"));
        typeInto(labelEdit(false, 3), QStringLiteral("Stream"));
        QCOMPARE(log->take(),
                 (QStringList {frame(Msg::InputLabels, "0c 4c 65 63 74 65 72 6e"),
                               frame(Msg::OutputLabels, "0f 53 74 72 65 61 6d")}));
        QCOMPARE(inputs.size(), 1);
        QCOMPARE(inputs.first().first().toInt(), 12);
        QCOMPARE(outputs.first().first().toInt(), 15);

        labelEdit(true, 1)->setText(QStringLiteral("一二三四五六七八九"));
        QTest::keyClick(labelEdit(true, 1), Qt::Key_Return);
        QCOMPARE(boxTexts(),
                 QStringList {QStringLiteral("The channel label's length can not be "
                                             "greater than 16 bytes, please enter "
                                             "again!")});
        QCOMPARE(log->take(), QStringList());

        // Labels the device reports (inputs 13..16) fill the rows.
        QByteArray labels(256, '\0');
        labels.replace(13 * 16, 4, "Desk");
        d->reply(Msg::InputLabels, labels);
        QCOMPARE(labelEdit(true, 1)->text(), QStringLiteral("Desk"));
    }

    void downloadLinkAndOpenDialogs()
    {
        QList<QUrl> opened;
        DanteSetupDialog::setLinkOpener([&opened](const QUrl &url) { opened << url; });
        auto *link = child<QLabel>("downloadLink");
        QVERIFY(link->text().contains(QStringLiteral("Click to download Dante Controller")));
        emit link->linkActivated(DanteSetupDialog::downloadUrl().toString());
        QCOMPARE(opened, QList<QUrl> {DanteSetupDialog::downloadUrl()});
        QVERIFY(d->model->openDialogs() & StatusPoll::DanteSetupDialog);
        dialog->hide();
        QCOMPARE(d->model->openDialogs() & StatusPoll::DanteSetupDialog, 0);
        QVERIFY(!SystemSettings::loadGeometry(QStringLiteral("DanteSetupGeometry")).isEmpty());
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<DanteSetupDialogTest>(argc, argv);
}

#include "DanteSetupDialogTest.moc"
