#include "app/AppTestEnvironment.h"
#include "model/LoopbackDevice.h"

#include "filedialogs/LabelDialog.h"
#include "files/LabelFile.h"
#include "model/MessageCatalogue.h"
#include "settings/SystemSettings.h"
#include "widgets/LineEdit.h"
#include "widgets/MessageBox.h"
#include "widgets/Resources.h"
#include "wire/LocalText.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

// The label dialog as a user drives it: edits with their limits, import and export of the .lbl
// file for 16 and 17 channels, and the rows the channel configuration leaves.
class LabelDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackDevice> m_device;
    std::unique_ptr<SystemSettings> m_settings;
    std::unique_ptr<LabelDialog> m_dialog;
    QTemporaryDir m_dir;
    QString m_file;

    DataModel &model() { return *m_device->model; }
    LineEdit *edit(const char *group, int channel)
    {
        return m_dialog->findChild<QGroupBox *>(QLatin1String(group))
                ->findChild<LineEdit *>(QString::number(channel));
    }
    QPushButton *named(const char *name)
    {
        return m_dialog->findChild<QPushButton *>(QLatin1String(name));
    }
    void type(LineEdit *e, const QString &text)
    {
        e->setFocus();
        e->setText(text);
        emit e->editingFinished();
    }
    QByteArray sent(int expected = 1) { return m_device->received(expected); }
    bool nothingSent()
    {
        m_device->peer->waitForReadyRead(30);
        return m_device->peer->readAll().isEmpty();
    }
    static QStringList texts()
    {
        QStringList out;
        for (const MessageBox::Request &r : MessageBox::history())
            out << r.title + QStringLiteral(": ") + r.text;
        MessageBox::clearHistory();
        return out;
    }
    void writeFile(const QByteArray &bytes)
    {
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

private slots:
    void initTestCase()
    {
        initApplicationResources();
        QVERIFY(m_dir.isValid());
        MessageBox::setResponder([](const MessageBox::Request &) { return 0; });
        MessageBox::setFileResponder([this](const MessageBox::FileRequest &) { return m_file; });
    }

    void init()
    {
        m_device = std::make_unique<LoopbackDevice>();
        QVERIFY(m_device->connect());
        m_settings = std::make_unique<SystemSettings>();
        m_dialog = std::make_unique<LabelDialog>(&model(), m_settings.get());
        QObject::connect(&model(), &DataModel::tcpSyncToUI, m_dialog.get(),
                         &LabelDialog::tcpSyncToUI);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        m_device->drain();
        MessageBox::clearHistory();
        m_file = m_dir.filePath(QStringLiteral("labels.lbl"));
    }

    void cleanup()
    {
        m_dialog.reset();
        m_settings.reset();
        m_device.reset();
    }

    void editingALabel_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("frame"); // empty: nothing sent
        QTest::addColumn<QString>("message");
        const QString five = QString::fromUtf8("一二三四五");
        QTest::newRow("input, 16 bytes")
                << "inputLabelGroup"
                << "Sixteen bytes ok" << Frame::build(Msg::InputLabels, 1, "\x04Sixteen bytes ok")
                << "";
        QTest::newRow("input, 8 double-byte and a letter")
                << "inputLabelGroup" << QString::fromUtf8("一二三四五六七八x") << QByteArray()
                << "Label: The input label's length can not be greater than 16 bytes, please "
                   "enter again!";
        QTest::newRow("output, 9 double-byte")
                << "outputLabelGroup" << QString::fromUtf8("一二三四五六七八九") << QByteArray()
                << "Label: The output label's length can not be greater than 16 bytes, please "
                   "enter again!";
        QTest::newRow("touch screen, 5 double-byte")
                << "touchScreenLabelGroup" << five
                << Frame::build(Msg::InputShortLabels, 1, "\x04" + LocalText::encode(five)) << "";
        QTest::newRow("touch screen, 6 double-byte")
                << "touchScreenLabelGroup" << QString::fromUtf8("一二三四五六") << QByteArray()
                << "Label: The touch screen label's length can not be greater than 10 bytes, "
                   "please enter again!";
        QTest::newRow("emptied") << "outputLabelGroup"
                                 << "  " << QByteArray() << "";
    }
    void editingALabel()
    {
        QFETCH(QString, group);
        QFETCH(QString, text);
        QFETCH(QByteArray, frame);
        QFETCH(QString, message);
        model().input(4).label = model().output(4).label = model().input(4).shortLabel =
                QStringLiteral("Old");
        m_dialog->refreshChannel(4);
        QSignalSpy inputs(m_dialog.get(), &LabelDialog::inputLabelChanged);
        QSignalSpy outputs(m_dialog.get(), &LabelDialog::outputLabelChanged);
        LineEdit *e = edit(qPrintable(group), 4);
        type(e, text);
        if (frame.isEmpty()) {
            QVERIFY(nothingSent());
            QCOMPARE(e->text(), QStringLiteral("Old"));
        } else {
            QCOMPARE(sent().toHex(' '), frame.toHex(' '));
            QCOMPARE(e->text(), text);
        }
        QCOMPARE(texts(), message.isEmpty() ? QStringList() : QStringList {message});
        const bool input = group == "inputLabelGroup" && !frame.isEmpty();
        QCOMPARE(inputs.size(), input ? 1 : 0);
        QCOMPARE(outputs.size(), 0);
        QCOMPARE(model().input(4).label, input ? text : QStringLiteral("Old"));
    }

    void aDeviceReportRefreshesTheEdit()
    {
        model().output(2).label = QStringLiteral("Hall");
        m_dialog->tcpSyncToUI(2, 3, 2, 2, 255, {});
        QCOMPARE(edit("outputLabelGroup", 2)->text(), QStringLiteral("Hall"));
    }

    void importAndExport_data()
    {
        QTest::addColumn<quint8>("firmware");
        QTest::addColumn<int>("channels");
        QTest::newRow("16 channels") << quint8(1) << 16;
        QTest::newRow("17 channels (control firmware 5)") << quint8(5) << 17;
    }
    void importAndExport()
    {
        QFETCH(quint8, firmware);
        QFETCH(int, channels);
        model().deviceInfo().armVersion[0] = firmware;
        QCOMPARE(m_dialog->channelCount(), channels);
        const int other = channels == 16 ? 17 : 16;

        // Export of empty labels: zero bytes of the exact size, without touching the device.
        named("exportAllButton")->click();
        QCOMPARE(texts(), QStringList {"Label: Export completed!"});
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(LabelFile::fileSize(channels), '\0'));
        file.close();
        QVERIFY(nothingSent());

        // The same file again changes nothing, and says so.
        named("importAllButton")->click();
        QCOMPARE(texts(), QStringList {"Label: Import completed!"});
        QVERIFY(nothingSent());

        // A file of the other channel count, or none at all, is an error.
        writeFile(QByteArray(LabelFile::fileSize(other), 'x'));
        named("importAllButton")->click();
        m_file = m_dir.filePath(QStringLiteral("missing.lbl"));
        named("importAllButton")->click();
        QCOMPARE(texts(), (QStringList {"Label: File is error!", "Label: File is error!"}));
        QVERIFY(nothingSent());

        // A label of the last channel arrives on the device.
        m_file = m_dir.filePath(QStringLiteral("labels.lbl"));
        LabelFile::Labels labels;
        labels.inputs = labels.outputs = labels.touchScreen = QVector<QString>(channels);
        labels.outputs[channels - 1] = QStringLiteral("Sixteen bytes ok");
        QVERIFY(LabelFile::write(m_file, labels, channels, nullptr));
        QSignalSpy outputs(m_dialog.get(), &LabelDialog::outputLabelChanged);
        named("importAllButton")->click();
        QCOMPARE(texts(), QStringList {"Label: Import completed!"});
        const QByteArray frame = Frame::build(Msg::OutputLabels, 1,
                                              char(channels - 1) + QByteArray("Sixteen bytes ok"));
        QCOMPARE(sent(frame.size()).toHex(' '), frame.toHex(' '));
        QCOMPARE(outputs.size(), 1);
        QCOMPARE(edit("outputLabelGroup", channels - 1)->text(),
                 QStringLiteral("Sixteen bytes ok"));

        m_file = QStringLiteral("/proc/self/labels.lbl");
        named("exportAllButton")->click();
        QCOMPARE(texts(), QStringList {"Label: Export failed!"});
    }

    void rowsFollowTheChannelConfiguration()
    {
        const auto shown = [this](const char *group) {
            QString out;
            for (int ch = 0; ch < LabelDialog::RowCount; ++ch)
                out += edit(group, ch)->isVisibleTo(m_dialog.get()) ? QLatin1Char('x')
                                                                    : QLatin1Char('.');
            return out;
        };
        // 12x12 with Dante 4x4: channels 13..16 are Dante, 17 needs boot mode 2.
        m_dialog->applyChannelConfig(0x100, 0x1F0, 0xF0, 0xF0);
        QCOMPARE(shown("inputLabelGroup"), QStringLiteral("xxxxxxxxxxxxxxxx."));
        QCOMPARE(shown("touchScreenLabelGroup"), QStringLiteral("xxxxxxxxxxxxxxxx."));
        QCOMPARE(shown("outputLabelGroup"), QStringLiteral("xxxxxxxxxxxx....."));
        auto *inputs = m_dialog->findChild<QGroupBox *>(QStringLiteral("inputLabelGroup"));
        QLabel *dante = qobject_cast<QLabel *>(inputs->layout()->itemAt(12 * 3 + 1)->widget());
        QVERIFY(dante && !dante->pixmap(Qt::ReturnByValue).isNull());
        QLabel *analog = qobject_cast<QLabel *>(inputs->layout()->itemAt(1)->widget());
        QVERIFY(analog->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(model().openDialogs() & StatusPoll::LabelsDialog);
        m_dialog->hide();
        QVERIFY(!(model().openDialogs() & StatusPoll::LabelsDialog));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<LabelDialogTest>(argc, argv);
}

#include "LabelDialogTest.moc"
