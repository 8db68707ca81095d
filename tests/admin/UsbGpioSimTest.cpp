#include "e2e/SimLink.h"

#include "admin/GPIOSetupDialog.h"
#include "admin/RecPlayDialog.h"
#include "admin/UsbPlayback.h"
#include "model/SetPayload.h"
#include "widgets/MessageBox.h"
#include "widgets/Resources.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>

namespace {

QString cellText(QTableWidget *table, int row, int column)
{
    auto *label = qobject_cast<QLabel *>(table->cellWidget(row, column));
    return label ? label->text() : QString();
}

} // namespace

// The GPIO and USB dialogs driving the simulated processor: ports set through the dialog land in
// the device, a file plays, pauses, seeks and stops with the shown position following the
// device's time, a recording appears in the record list, and a drive-less device lists nothing.
class UsbGpioSimTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimLink> m_link;
    std::unique_ptr<RecPlayDialog> m_dialog;
    int m_questions = 0;

    const sim::SimUsb &usb() const { return m_link->device->store().usb; }
    QString shownTime() const { return m_dialog->playTimeLabel()->text(); }
    QPushButton *button(const char *name) const
    {
        return m_dialog->findChild<QPushButton *>(QLatin1String(name));
    }

    bool openRecPlay(sim::SimOptions options = {})
    {
        m_link = std::make_unique<SimLink>(options);
        if (!m_link->open())
            return false;
        m_dialog = std::make_unique<RecPlayDialog>(m_link->model.get());
        QObject::connect(m_link->model.get(), &DataModel::tcpSyncToUI, m_dialog.get(),
                         &RecPlayDialog::syncFromModel);
        // What the main window does: the input setup switches inputs 1 and 2 to USB.
        QObject::connect(m_dialog.get(), &RecPlayDialog::switchToUSB, m_dialog.get(), [this] {
            for (quint8 ch : {0, 1}) {
                m_link->model->input(ch).inputMode = UsbPlayback::UsbInputMode;
                m_link->model->sendWrite(Msg::InputMode, SetPayload::channelByte(ch, 2));
            }
        });
        m_dialog->applyChannelConfig(0, 0);
        m_dialog->show();
        return m_link->pass(1);
    }

    // Lets device time pass and waits until the dialog shows the device's position.
    bool passAndShow(int seconds)
    {
        if (!m_link->pass(seconds))
            return false;
        m_link->tick(20); // one more status poll of the dialog
        return SimLink::waitFor([this] {
            return shownTime() == UsbPlayback::playTimeText(usb().position(), usb().duration());
        });
    }

private slots:
    void initTestCase() { initApplicationResources(); }

    void init()
    {
        m_questions = 0;
        MessageBox::setResponder([this](const MessageBox::Request &) {
            ++m_questions;
            return 0; // OK
        });
    }

    void cleanup()
    {
        MessageBox::setResponder({});
        m_dialog.reset();
        m_link.reset();
    }

    void playPauseSeekStop()
    {
        QVERIFY(openRecPlay());
        QTableWidget *table = m_dialog->playTable();
        QTRY_COMPARE(table->rowCount(), usb().playList().size());
        QTRY_COMPARE(cellText(table, 0, 1), usb().playList()[0].name);

        emit table->itemClicked(table->item(0, 1));
        QVERIFY(SimLink::waitFor([this] { return usb().playing(); }));
        QCOMPARE(m_questions, 0); // control firmware 3, boot mode 0: no question
        QVERIFY(passAndShow(3));
        QCOMPARE(usb().position(), quint16(3));
        QCOMPARE(shownTime(), QStringLiteral("00:03 / 03:34"));
        QTRY_VERIFY(table->cellWidget(0, 1)->property("highlighted").toBool());
        QVERIFY(button("usbPlayButton")->property("status").toBool());

        // Pause: time passes, the position stays.
        QTest::mouseClick(button("usbPlayButton"), Qt::LeftButton);
        QVERIFY(SimLink::waitFor([this] { return usb().playState() == sim::SimUsb::Paused; }));
        QVERIFY(passAndShow(2));
        QCOMPARE(shownTime(), QStringLiteral("00:03 / 03:34"));
        QTRY_VERIFY(!button("usbPlayButton")->property("status").toBool());

        // Seek while paused, then resume.
        QSlider *slider = m_dialog->playSlider();
        slider->setSliderDown(true);
        slider->setValue(100);
        slider->setSliderDown(false);
        QVERIFY(SimLink::waitFor([this] { return usb().position() == 100; }));
        QVERIFY(passAndShow(1));
        QCOMPARE(shownTime(), QStringLiteral("01:40 / 03:34"));
        QTest::mouseClick(button("usbPlayButton"), Qt::LeftButton);
        QVERIFY(SimLink::waitFor([this] { return usb().playing(); }));
        QVERIFY(passAndShow(2));
        QCOMPARE(shownTime(), QStringLiteral("01:42 / 03:34"));

        // Stop: back to the start.
        QTest::mouseClick(button("usbStopButton"), Qt::LeftButton);
        QVERIFY(SimLink::waitFor([this] { return usb().playState() == sim::SimUsb::Stopped; }));
        QVERIFY(passAndShow(1));
        QCOMPARE(shownTime(), QStringLiteral("00:00 / 03:34"));
        QCOMPARE(slider->value(), 0);
    }

    void questionOnlyBeforeInputsAreUsb()
    {
        sim::SimOptions options;
        options.identity.armVersion = {1, 2, 0};
        QVERIFY(openRecPlay(options));
        QTRY_VERIFY(m_link->model->deviceInfo().armVersion[0] == 1);
        QTableWidget *table = m_dialog->playTable();
        QTRY_COMPARE(cellText(table, 1, 1), usb().playList()[1].name);

        emit table->itemClicked(table->item(1, 1));
        QCOMPARE(m_questions, 1);
        QVERIFY(SimLink::waitFor([this] { return usb().playing(); }));
        QVERIFY(SimLink::waitFor([this] {
            return m_link->device->store().audio.inputs[0].mode == 2
                    && m_link->device->store().audio.inputs[1].mode == 2;
        }));
        QCOMPARE(usb().playFile(), usb().playList()[1].name);
        QVERIFY(m_link->pass(2));
        QTRY_VERIFY(m_link->model->input(0).inputMode == 2
                    && m_link->model->input(1).inputMode == 2);

        // Both inputs play USB now: the next file plays at once.
        emit table->itemClicked(table->item(2, 1));
        QCOMPARE(m_questions, 1);
        QVERIFY(SimLink::waitFor([this] { return usb().playFile() == usb().playList()[2].name; }));
    }

    void recordingAppearsInTheRecordList()
    {
        QVERIFY(openRecPlay());
        QTableWidget *table = m_dialog->recordTable();
        const int before = usb().recordList().size();
        QTRY_COMPARE(table->rowCount(), before);

        QTest::mouseClick(m_dialog->recordButton(), Qt::LeftButton);
        QVERIFY(SimLink::waitFor([this] { return usb().recordState() == 1; }));
        QVERIFY(m_link->pass(2));
        QTRY_COMPARE(table->rowCount(), before + 1);
        QCOMPARE(cellText(table, before, 1), usb().recordList().last().name);
        QTRY_COMPARE(m_dialog->recordTimeLabel()->text(), QStringLiteral("00:02"));
        QTRY_VERIFY(m_dialog->recordButton()->property("status").toBool());

        QTest::mouseClick(m_dialog->recordButton(), Qt::LeftButton);
        QVERIFY(SimLink::waitFor([this] { return usb().recordState() == 0; }));
        QCOMPARE(usb().recordList().last().seconds, 2u);
        QTRY_VERIFY(!m_dialog->recordButton()->property("status").toBool());
    }

    void noDriveListsNothing()
    {
        sim::SimOptions options;
        options.usbDrive = false;
        QVERIFY(openRecPlay(options));
        QVERIFY(m_link->pass(1));
        QCOMPARE(m_dialog->playTable()->rowCount(), 0);
        QCOMPARE(m_dialog->recordTable()->rowCount(), 0);
        QTest::mouseClick(m_dialog->recordButton(), Qt::LeftButton);
        QVERIFY(m_link->pass(1));
        QCOMPARE(usb().recordState(), quint8(0));

        // A drive goes in: its files appear.
        m_link->device->setUsbDriveInserted(true);
        QVERIFY(m_link->pass(1));
        QTRY_COMPARE(m_dialog->playTable()->rowCount(), usb().playList().size());
    }

    void gpioPortsLandInTheDevice()
    {
        m_link = std::make_unique<SimLink>();
        QVERIFY(m_link->open());
        GPIOSetupDialog dialog(m_link->model.get());
        QObject::connect(m_link->model.get(), &DataModel::tcpSyncToUI, &dialog,
                         &GPIOSetupDialog::syncFromModel);
        dialog.show();
        auto &device = m_link->device->store().system.gpio;
        device[3][2] = 0x5A; // a setting of the device's own
        QVERIFY(m_link->pass(1));
        QTRY_COMPARE(m_link->model->mirror().gpio[3].settings[1], quint8(0x5A));

        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("gpioPortButton3")),
                          Qt::LeftButton);
        dialog.functionComboBox()->setCurrentIndex(1); // Mute
        dialog.parameterComboBox()->setCurrentIndex(dialog.parameterComboBox()->findData(17));
        QVERIFY(SimLink::waitFor([&device] { return device[3][0] == 1 && device[3][1] == 17; }));
        QCOMPARE(device[3][2], quint8(0x5A));
        QCOMPARE(dialog.parameterComboBox()->currentText(), QStringLiteral("OUT 2"));

        // The device changes the port itself: the open dialog follows.
        device[3][0] = 2;
        device[3][1] = 9;
        QVERIFY(m_link->pass(2)); // past the echo record of the last write
        QTRY_COMPARE(dialog.functionComboBox()->currentText(), QStringLiteral("Load Preset"));
        QCOMPARE(dialog.parameterComboBox()->currentText(), QStringLiteral("10"));
    }
};

QTEST_MAIN(UsbGpioSimTest)
#include "UsbGpioSimTest.moc"
