#include "editors/chain/ChainTestSupport.h"
#include "model/LoopbackDevice.h"

#include "admin/RecPlayDialog.h"
#include "model/MessageCatalogue.h"
#include "widgets/ControlPalette.h"
#include "widgets/MessageBox.h"
#include "widgets/Resources.h"
#include "wire/ByteWriter.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTableWidget>

using ChainTest::frame;
using ChainTest::WriteLog;

namespace {

QString usbPlay(const char *payloadHex)
{
    return frame(2, 5, 4, payloadHex);
}

QString cellText(QTableWidget *table, int row, int column)
{
    auto *label = qobject_cast<QLabel *>(table->cellWidget(row, column));
    return label ? label->text() : QString();
}

bool rowHighlighted(QTableWidget *table, int row)
{
    return table->cellWidget(row, 1)->property("highlighted").toBool();
}

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(QSize(20, 20)).toImage();
}

} // namespace

// The record/playback dialog against a device peer: the commands each control sends, byte for
// byte, the lists and the states that replies show, the held slider, the record sources and the
// question before inputs 1 and 2 switch to USB.
class RecPlayDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackDevice> m_device;
    std::unique_ptr<RecPlayDialog> m_dialog;
    std::unique_ptr<WriteLog> m_log;
    int m_answer = 0;

    DataModel &model() { return *m_device->model; }
    void reply(MessageId id, const QByteArray &payload) { m_device->reply(id, payload); }
    void playState(quint8 mode, quint8 state, quint16 position, quint16 duration)
    {
        reply(Msg::UsbPlayState, ByteWriter().u8(mode).u8(state).u16(position).u16(duration));
    }
    void playList(const QStringList &names)
    {
        reply(Msg::UsbPlayCount, ByteWriter().u32(quint32(names.size())));
        for (int i = 0; i < names.size(); ++i)
            reply(Msg::UsbPlayList, ByteWriter().i32(i).bytes(names[i].toUtf8()));
    }
    QPushButton *button(const char *name) const
    {
        return m_dialog->findChild<QPushButton *>(QLatin1String(name));
    }
    // The write-echo record of the last write expires: replies of that group count again. A
    // reply keeps the link from looking silent meanwhile.
    void pastEchoRecord()
    {
        m_device->clock.advance(1600);
        m_device->peer->write(Frame::build(Msg::UsbRecordFile, Frame::Reply,
                                           model().mirror().usb.recordFile.toUtf8()));
        QTRY_COMPARE(model().lastReceiveTime(), model().now());
        model().timeout();
    }
    QTableWidgetItem *playItem(int row) const { return m_dialog->playTable()->item(row, 1); }

private slots:
    void initTestCase() { initApplicationResources(); }

    void init()
    {
        m_device = std::make_unique<LoopbackDevice>();
        QVERIFY(m_device->connect());
        m_dialog = std::make_unique<RecPlayDialog>(m_device->model.get());
        connect(m_device->model.get(), &DataModel::tcpSyncToUI, m_dialog.get(),
                &RecPlayDialog::syncFromModel);
        m_dialog->applyChannelConfig(0, 0);
        m_answer = 0;
        MessageBox::clearHistory();
        MessageBox::setResponder([this](const MessageBox::Request &) { return m_answer; });
        m_device->drain();
        m_log = std::make_unique<WriteLog>(m_device->peer);
    }

    void cleanup()
    {
        MessageBox::setResponder({});
        m_log.reset();
        m_dialog.reset();
        m_device.reset();
    }

    void playListNumbersRowsAndHighlightsThePlayingFile()
    {
        playList({QStringLiteral("a.mp3"), QStringLiteral("会议.flac"), QStringLiteral("c.wav")});
        QTableWidget *table = m_dialog->playTable();
        QCOMPARE(cellText(table, 2, 0), QStringLiteral("3"));
        QCOMPARE(cellText(table, 1, 1), QStringLiteral("会议.flac"));
        reply(Msg::UsbPlayFile, QStringLiteral("会议.flac").toUtf8());
        QVERIFY(rowHighlighted(table, 1));
        reply(Msg::UsbPlayFile, QByteArray("c.wav"));
        QVERIFY(!rowHighlighted(table, 1));
        QVERIFY(rowHighlighted(table, 2));

        // A shorter list after a change on the drive; a stale entry beyond it is dropped.
        reply(Msg::UsbPlayCount, ByteWriter().u32(1));
        reply(Msg::UsbPlayList, ByteWriter().i32(2).bytes("c.wav"));
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(m_dialog->playFileAt(0), QString());
        // A count no drive holds: the list stays bounded.
        reply(Msg::UsbPlayCount, ByteWriter().u32(0xFFFFFFFF));
        QCOMPARE(table->rowCount(), 2000);
        QVERIFY(m_log->take().isEmpty());
    }

    void choosingAFileAsksOnlyUnderItsConditions_data()
    {
        QTest::addColumn<int>("bootMode");
        QTest::addColumn<int>("armMajor");
        QTest::addColumn<int>("inputMode");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("sent");
        QTest::newRow("boot mode 0, firmware 5") << 0 << 5 << 0 << 1 << false << true;
        QTest::newRow("boot mode 1, OK") << 1 << 0 << 0 << 0 << true << true;
        QTest::newRow("firmware 1, Cancel") << 0 << 1 << 1 << 1 << true << false;
        QTest::newRow("firmware 1, already USB") << 0 << 1 << 2 << 1 << false << true;
    }

    void choosingAFileAsksOnlyUnderItsConditions()
    {
        QFETCH(int, bootMode);
        QFETCH(int, armMajor);
        QFETCH(int, inputMode);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, sent);
        model().setBootMode(bootMode);
        model().deviceInfo().armVersion[0] = quint8(armMajor);
        model().input(0).inputMode = quint32(inputMode);
        model().input(1).inputMode = quint32(inputMode);
        m_answer = answer;
        playList({QStringLiteral("a.mp3"), QStringLiteral("é.wav")});
        QSignalSpy switched(m_dialog.get(), &RecPlayDialog::switchToUSB);

        emit m_dialog->playTable()->itemClicked(playItem(1));
        QCOMPARE(MessageBox::history().size(), asked ? 1 : 0);
        if (asked)
            QCOMPARE(MessageBox::history().first().text,
                     QStringLiteral("Are you sure that you want to switch IN 1 and "
                                    "IN 2 to USB mode, and enable USB play?"));
        QCOMPARE(switched.count(), asked && sent ? 1 : 0);
        QCOMPARE(m_log->take(),
                 sent ? QStringList {usbPlay("03 c3 a9 2e 77 61 76")} : QStringList());
    }

    void transportButtonsSendTheStateTheyShow()
    {
        playState(0, 1, 10, 200);
        QCOMPARE(button("usbPlayButton")->property("status").toBool(), true);
        QTest::mouseClick(button("usbPlayButton"), Qt::LeftButton);
        QTest::mouseClick(button("usbPrevButton"), Qt::LeftButton);
        QTest::mouseClick(button("usbNextButton"), Qt::LeftButton);
        QCOMPARE(m_log->take(), (QStringList {usbPlay("01"), usbPlay("04"), usbPlay("05")}));

        playState(0, 2, 10, 200);
        QCOMPARE(button("usbPlayButton")->property("status").toBool(), false);
        QTest::mouseClick(button("usbPlayButton"), Qt::LeftButton);
        QCOMPARE(m_log->take(), QStringList {usbPlay("02")});

        // Stop: the state becomes 0 first, then goes out like play/pause; a stopped player is
        // left alone, as 0 would start it again.
        QTest::mouseClick(button("usbStopButton"), Qt::LeftButton);
        QCOMPARE(model().mirror().usb.playState, quint8(0));
        QTest::mouseClick(button("usbStopButton"), Qt::LeftButton);
        QCOMPARE(m_log->take(), QStringList {usbPlay("00")});

        QTest::mouseClick(button("usbPlayModeButton2"), Qt::LeftButton);
        QCOMPARE(model().mirror().usb.playMode, quint8(2));
        QCOMPARE(m_log->take(), QStringList {usbPlay("07 02")});
        playState(3, 0, 0, 0);
        QVERIFY(button("usbPlayModeButton3")->isChecked());
    }

    void heldSliderIgnoresRepliesAndSeeksOnRelease()
    {
        playState(0, 1, 10, 200);
        QSlider *slider = m_dialog->playSlider();
        QCOMPARE(slider->maximum(), 200);
        slider->setSliderDown(true);
        slider->setValue(125);
        playState(0, 1, 11, 200);
        QCOMPARE(slider->value(), 125);
        QCOMPARE(m_dialog->playTimeLabel()->text(), QStringLiteral("02:05 / 03:20"));
        QVERIFY(m_log->take().isEmpty());

        slider->setSliderDown(false);
        QCOMPARE(m_log->take(), QStringList {usbPlay("06 7d 00")});
        playState(0, 1, 3600, 4000);
        QCOMPARE(slider->value(), 3600);
        QCOMPARE(m_dialog->playTimeLabel()->text(), QStringLiteral("01:00:00 / 01:06:40"));
    }

    void recordButtonAndRecordList()
    {
        reply(Msg::UsbRecordState, ByteWriter().u8(1).u32(65));
        QCOMPARE(m_dialog->recordTimeLabel()->text(), QStringLiteral("01:05"));
        QCOMPARE(iconImage(m_dialog->recordButton()->icon()),
                 iconImage(QIcon(QStringLiteral(":/image/StopRecord.png"))));
        QTest::mouseClick(m_dialog->recordButton(), Qt::LeftButton);
        reply(Msg::UsbRecordState, ByteWriter().u8(0).u32(65));
        QCOMPARE(iconImage(m_dialog->recordButton()->icon()),
                 iconImage(QIcon(QStringLiteral(":/image/Circle.png"))));
        QTest::mouseClick(m_dialog->recordButton(), Qt::LeftButton);
        QCOMPARE(m_log->take(), (QStringList {frame(2, 5, 19, "00"), frame(2, 5, 19, "01")}));

        reply(Msg::UsbRecordCount, ByteWriter().u32(2));
        reply(Msg::UsbRecordList, ByteWriter().i32(0).u32(95).bytes("REC0001.wav"));
        reply(Msg::UsbRecordList, ByteWriter().i32(1).u32(3725).bytes("REC0002.wav"));
        reply(Msg::UsbRecordList, ByteWriter().i32(1).u32(1).bytes("late.wav")); // past the count
        QTableWidget *table = m_dialog->recordTable();
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(cellText(table, 1, 2), QStringLiteral("01:02:05"));
        emit table->itemClicked(table->item(1, 0));
        QCOMPARE(m_log->take(),
                 QStringList {frame(2, 5, 19, "02 52 45 43 30 30 30 32 2e 77 61 76")});
    }

    void recordSourcesAndTheChannelMenu()
    {
        // Source buttons: one selected at a time, the selected one deselects.
        QTest::mouseClick(m_dialog->sourceButton(3), Qt::LeftButton);
        QTest::mouseClick(m_dialog->sourceButton(18), Qt::LeftButton);
        QVERIFY(!m_dialog->sourceButton(3)->property("selected").toBool());
        QTest::mouseClick(m_dialog->sourceButton(18), Qt::LeftButton);
        QVERIFY(!m_dialog->sourceButton(18)->property("selected").toBool());
        QCOMPARE(m_log->take(),
                 (QStringList {frame(3, 11, 9, "03"), frame(3, 11, 9, "12"),
                               frame(3, 11, 9, "ff")}));
        pastEchoRecord();
        reply(Msg::UsbRecordSource, QByteArray(1, char(5)));
        QVERIFY(m_dialog->sourceButton(5)->property("selected").toBool());

        // The channel menu: one submenu per channel, four choices each; only changed sides go.
        const QList<QMenu *> menus = m_dialog->channelMenu()->findChildren<QMenu *>();
        QCOMPARE(menus.size(), 32);
        QMenu *output1 = nullptr;
        for (QMenu *menu : menus) {
            if (menu->menuAction()->data().toInt() == 18)
                output1 = menu;
        }
        QVERIFY(output1);
        QCOMPARE(output1->title(), QStringLiteral("OUT 1  (Off)"));
        output1->actions()[1]->trigger(); // Left
        QCOMPARE(m_log->take(), QStringList {frame(3, 8, 17, "00 12 01")});
        output1->actions()[2]->trigger(); // Right
        QCOMPARE(m_log->take(),
                 (QStringList {frame(3, 8, 17, "00 12 00"), frame(3, 8, 17, "01 12 01")}));
        QCOMPARE(output1->title(), QStringLiteral("OUT 1  (R)"));

        // The device reports input 2 on both sides.
        pastEchoRecord();
        reply(Msg::MatrixSwitches,
              QByteArray(1, 0) + QByteArray(1, 0) + char(1) + QByteArray(34, 0));
        reply(Msg::MatrixSwitches,
              QByteArray(1, 1) + QByteArray(1, 0) + char(1) + QByteArray(34, 0));
        QCOMPARE(m_dialog->sourceButton(1)->text(), QStringLiteral("2\nL+R"));

        // Hovering a channel in the menu marks its source button.
        m_dialog->usbRecordSourceChannelButtonHighlightChanged(output1->menuAction());
        QVERIFY(m_dialog->sourceButton(18)->property("highlighted").toBool());
        m_dialog->usbRecordSourceChannelButtonHighlightChanged(nullptr);
        QVERIFY(!m_dialog->sourceButton(18)->property("highlighted").toBool());

        // "Clear" asks first; OK clears both sides with one message each.
        m_answer = 1;
        QTest::mouseClick(button("usbRecordSourceClearButton"), Qt::LeftButton);
        QVERIFY(m_log->take().isEmpty());
        QCOMPARE(MessageBox::history().last().text,
                 QStringLiteral("Are you sure that you want to clear all the channels?"));
        m_answer = 0;
        QTest::mouseClick(button("usbRecordSourceClearButton"), Qt::LeftButton);
        const QString zeros = QString(QStringLiteral(" 00")).repeated(36);
        QCOMPARE(m_log->take(),
                 (QStringList {frame(3, 8, 17, qPrintable(QStringLiteral("00") + zeros)),
                               frame(3, 8, 17, qPrintable(QStringLiteral("01") + zeros))}));
        QCOMPARE(m_dialog->sourceButton(1)->text(), QStringLiteral("2\nOff"));
    }

    void sourcesFollowTheConfiguration()
    {
        m_dialog->applyChannelConfig(0x1FF, 0xFF);
        QVERIFY(m_dialog->sourceButton(7) && !m_dialog->sourceButton(8));
        QVERIFY(m_dialog->sourceButton(25) && !m_dialog->sourceButton(26));
        QCOMPARE(m_dialog->channelMenu()->findChildren<QMenu *>().size(), 16);
    }

    void iconsFollowTheAppearanceAndTheBitFollowsTheWindow()
    {
        ControlPalette::setDark(true);
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(m_dialog.get(), &styleChange);
        playState(0, 1, 0, 10);
        QCOMPARE(iconImage(button("usbPlayButton")->icon()),
                 iconImage(QIcon(QStringLiteral(":/image/PauseDark.png"))));
        ControlPalette::setDark(false);

        model().setOpenDialogs(0x10);
        m_dialog->show();
        QCOMPARE(model().openDialogs(), quint8(0x14));
        m_dialog->hide();
        QCOMPARE(model().openDialogs(), quint8(0x10));
    }
};

QTEST_MAIN(RecPlayDialogTest)
#include "RecPlayDialogTest.moc"
