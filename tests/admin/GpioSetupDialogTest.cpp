#include "editors/chain/ChainTestSupport.h"
#include "model/LoopbackDevice.h"

#include "admin/GPIOSetupDialog.h"
#include "model/MessageCatalogue.h"
#include "widgets/Resources.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

using ChainTest::WriteLog;

namespace {

// The 63 bytes a device keeps beyond the function and its parameter.
QByteArray tail(int port)
{
    QByteArray bytes;
    for (int i = 1; i < GpioPort::SettingsSize; ++i)
        bytes.append(char(port * 16 + i));
    return bytes;
}

QByteArray portReply(int port, quint8 kind, quint8 parameter)
{
    return QByteArray(1, char(port)) + char(kind) + char(parameter) + tail(port);
}

QString gpioWrite(int port, quint8 kind, quint8 parameter)
{
    return QString::fromLatin1(
            Frame::build(Msg::GpioPort, Frame::WriteRequest, portReply(port, kind, parameter))
                    .toHex());
}

QStringList texts(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

QStringList names(const char *prefix, int first, int last)
{
    QStringList list;
    for (int i = first; i <= last; ++i)
        list << QStringLiteral("%1 %2").arg(QLatin1String(prefix)).arg(i);
    return list;
}

} // namespace

// The GPIO setup dialog against a device peer: what a port's record looks like on the wire after
// each edit, the parameter lists under the channel masks, and what replies change on screen.
class GpioSetupDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackDevice> m_device;
    std::unique_ptr<GPIOSetupDialog> m_dialog;
    std::unique_ptr<WriteLog> m_log;

    DataModel &model() { return *m_device->model; }
    QPushButton *portButton(int port) const
    {
        return m_dialog->findChild<QPushButton *>(QStringLiteral("gpioPortButton%1").arg(port));
    }
    QComboBox *function() const { return m_dialog->functionComboBox(); }
    QComboBox *parameter() const { return m_dialog->parameterComboBox(); }

private slots:
    void initTestCase() { initApplicationResources(); }

    void init()
    {
        m_device = std::make_unique<LoopbackDevice>();
        QVERIFY(m_device->connect());
        // Every port as the device reported it: Mute of input 3, with bytes of its own.
        for (int p = 0; p < GpioPort::PortCount; ++p)
            m_device->reply(Msg::GpioPort, portReply(p, 1, 2));
        m_dialog = std::make_unique<GPIOSetupDialog>(m_device->model.get());
        connect(m_device->model.get(), &DataModel::tcpSyncToUI, m_dialog.get(),
                &GPIOSetupDialog::syncFromModel);
        m_dialog->applyChannelConfig(0, 0, 0, 0);
        m_device->drain();
        m_log = std::make_unique<WriteLog>(m_device->peer);
    }

    void cleanup()
    {
        m_log.reset();
        m_dialog.reset();
        m_device.reset();
    }

    // A port's whole record goes out after each edit, the device's own bytes kept.
    void functionAndParameterSendTheWholeRecord()
    {
        QTest::mouseClick(portButton(2), Qt::LeftButton);
        QCOMPARE(parameter()->currentText(), QStringLiteral("IN 3"));
        QVERIFY(m_log->take().isEmpty()); // selecting a port sends nothing

        function()->setCurrentIndex(2); // "Load Preset"
        QCOMPARE(m_log->take(), QStringList {gpioWrite(2, 2, 0)});
        QCOMPARE(parameter()->count(), 32);
        QCOMPARE(parameter()->currentText(), QStringLiteral("1"));
        QCOMPARE(m_dialog->findChild<QLabel *>(QStringLiteral("parameterLabel"))->text(),
                 QStringLiteral("Preset"));
        parameter()->setCurrentIndex(4); // preset "5"
        QCOMPARE(m_log->take(), QStringList {gpioWrite(2, 2, 4)});

        function()->setCurrentIndex(0); // "None": nothing to choose
        QCOMPARE(m_log->take(), QStringList {gpioWrite(2, 0, 0)});
        QVERIFY(!parameter()->isEnabled());
        QCOMPARE(parameter()->currentIndex(), -1);
        function()->setCurrentIndex(1);
        QCOMPARE(m_log->take(), QStringList {gpioWrite(2, 1, 0)});
        QCOMPARE(parameter()->currentText(), QStringLiteral("IN 1"));
    }

    void muteListFollowsTheMasks()
    {
        // Inputs 9..16 hidden; port 4 mutes input 13, port 5 output 5.
        m_device->reply(Msg::GpioPort, portReply(4, 1, 12));
        m_device->reply(Msg::GpioPort, portReply(5, 1, 20));
        m_dialog->applyChannelConfig(0xFF, 0, 0, 0);
        QTest::mouseClick(portButton(4), Qt::LeftButton);
        QCOMPARE(texts(parameter()), names("IN", 1, 8) + names("OUT", 1, 16));
        QCOMPARE(parameter()->currentIndex(), -1);
        QTest::mouseClick(portButton(5), Qt::LeftButton);
        QCOMPARE(parameter()->currentData().toInt(), 20);

        // The configuration and names change while Mute shows: the list follows, nothing is sent.
        model().output(4).label = QStringLiteral("Lobby");
        m_dialog->syncFromModel(2, 3, 2, 255, 255);
        QCOMPARE(parameter()->currentText(), QStringLiteral("Lobby"));
        m_dialog->applyChannelConfig(0x1FF, 0x1FF, 0, 0);
        QCOMPARE(parameter()->count(), 16);
        QVERIFY(m_log->take().isEmpty());
        QCOMPARE(model().mirror().gpio[5].settings[0], quint8(20));

        // Dante channels carry the link icon.
        m_dialog->applyChannelConfig(0xF0, 0xF0, 0x0F, 0x0F);
        QVERIFY(parameter()->itemIcon(7).isNull()); // input 8
        QVERIFY(!parameter()->itemIcon(8).isNull()); // input 9, a Dante channel
    }

    void replyForAnotherPortChangesNothing()
    {
        QTest::mouseClick(portButton(1), Qt::LeftButton);
        m_device->reply(Msg::GpioPort, portReply(6, 2, 7));
        QCOMPARE(function()->currentText(), QStringLiteral("Mute"));
        QCOMPARE(parameter()->currentText(), QStringLiteral("IN 3"));
        m_device->reply(Msg::GpioPort, portReply(1, 2, 7));
        QCOMPARE(function()->currentText(), QStringLiteral("Load Preset"));
        QCOMPARE(parameter()->currentText(), QStringLiteral("8"));
        QVERIFY(m_log->take().isEmpty()); // a reply never sends

        model().setOpenDialogs(0);
        m_dialog->show();
        QCOMPARE(model().openDialogs(), quint8(0x10));
        m_dialog->hide();
        QCOMPARE(model().openDialogs(), quint8(0));
    }
};

QTEST_MAIN(GpioSetupDialogTest)
#include "GpioSetupDialogTest.moc"
