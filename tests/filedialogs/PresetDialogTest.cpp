#include "app/AppTestEnvironment.h"
#include "model/LoopbackDevice.h"

#include "filedialogs/PresetDialog.h"
#include "files/PresetExport.h"
#include "model/MessageCatalogue.h"
#include "settings/SystemSettings.h"
#include "widgets/LineEdit.h"
#include "widgets/MessageBox.h"
#include "widgets/ProgressDialog.h"
#include "widgets/Resources.h"
#include "wire/ByteWriter.h"
#include "wire/LocalText.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTranslator>

// The preset dialog as a user drives it: the slot table from the device's list, rename, the
// confirmations of save, load and delete, file transfers with their progress and messages, the
// load progress, simple mode and the language.
class PresetDialogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackDevice> m_device;
    std::unique_ptr<SystemSettings> m_settings;
    std::unique_ptr<PresetDialog> m_dialog;
    int m_answer = 0; // button index the next boxes get
    QString m_file; // what the next file dialog returns

    DataModel &model() { return *m_device->model; }
    template<typename T> T *slotWidget(int slot, int column)
    {
        return qobject_cast<T *>(m_dialog->findChild<QTableWidget *>()->cellWidget(slot, column));
    }
    LineEdit *nameEdit(int slot) { return slotWidget<LineEdit>(slot, 0); }
    QPushButton *button(int slot, int column) { return slotWidget<QPushButton>(slot, column); }
    QPushButton *named(const char *name)
    {
        return m_dialog->findChild<QPushButton *>(QLatin1String(name));
    }
    QString progressText() { return m_dialog->progressDialog()->findChild<QLabel *>()->text(); }
    QByteArray sent() { return m_device->received(1); }
    bool nothingSent()
    {
        m_device->peer->waitForReadyRead(30);
        return m_device->peer->readAll().isEmpty();
    }
    static QByteArray hex(const char *text) { return QByteArray::fromHex(text); }
    static QStringList texts()
    {
        QStringList out;
        for (const MessageBox::Request &r : MessageBox::history())
            out << r.title + QStringLiteral(": ") + r.text;
        return out;
    }
    void rename(int slot, const QString &text)
    {
        LineEdit *edit = nameEdit(slot);
        edit->setFocus();
        edit->setText(text);
        emit edit->editingFinished();
    }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray list(quint8 current, const QVector<QByteArray> &names)
    {
        ByteWriter out;
        out.u8(current);
        for (int i = 0; i < PresetDialog::SlotCount; ++i) {
            const QByteArray name = names.value(i);
            out.u8(name.isEmpty() ? 0 : 1).fixedText(name, 16);
        }
        return out;
    }

private slots:
    void initTestCase()
    {
        initApplicationResources();
        MessageBox::setResponder([this](const MessageBox::Request &) { return m_answer; });
        MessageBox::setFileResponder([this](const MessageBox::FileRequest &) { return m_file; });
    }

    void init()
    {
        m_device = std::make_unique<LoopbackDevice>();
        QVERIFY(m_device->connect());
        m_settings = std::make_unique<SystemSettings>();
        m_dialog = std::make_unique<PresetDialog>(&model(), m_settings.get());
        QObject::connect(&model(), &DataModel::tcpSyncToUI, m_dialog.get(),
                         &PresetDialog::tcpSyncToUI);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        m_device->drain();
        MessageBox::clearHistory();
        m_answer = 0;
    }

    void cleanup()
    {
        m_dialog.reset();
        m_settings.reset();
        m_device.reset();
    }

    void theTableFollowsTheDeviceList()
    {
        QSignalSpy synced(&model(), &DataModel::tcpSyncToUI);
        const QByteArray reply = list(2, {"Default", {}, "Lecture", {}, {}, "Sixteen bytes ok"});
        m_device->reply(Msg::PresetList, reply.left(544));
        m_device->reply(Msg::PresetList, reply + hex("00"));
        QCOMPARE(synced.size(), 0);
        m_device->reply(Msg::PresetList, reply);
        QCOMPARE(synced.size(), 1);
        m_device->reply(Msg::PresetList, reply);
        QCOMPARE(synced.size(), 1);

        QCOMPARE(nameEdit(0)->text(), QStringLiteral("Default"));
        QCOMPARE(nameEdit(5)->text(), QStringLiteral("Sixteen bytes ok"));
        for (int slot : {0, 1, 2}) {
            const bool used = slot != 1;
            QCOMPARE(button(slot, 2)->property("highlighted").toBool(), slot == 2);
            for (int column : {2, 4, 5})
                QCOMPARE(button(slot, column)->isEnabled(), used);
            for (int column : {1, 3})
                QVERIFY(button(slot, column)->isEnabled());
        }
    }

    void renaming_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("payload"); // empty: nothing sent
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("message");
        QTest::newRow("16 bytes") << "Sixteen bytes ok" << QByteArray("\x03Sixteen bytes ok")
                                  << "Sixteen bytes ok" << false;
        QTest::newRow("trimmed") << "  Hall  " << QByteArray("\x03Hall") << "Hall" << false;
        const QString eight = QString::fromUtf8("一二三四五六七八");
        QTest::newRow("8 double-byte")
                << eight << QByteArray("\x03") + LocalText::encode(eight) << eight << false;
        QTest::newRow("9 double-byte")
                << QString::fromUtf8("一二三四五六七八九") << QByteArray() << "Old" << true;
        QTest::newRow("blanks") << "    " << QByteArray() << "Old" << false;
    }
    void renaming()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, payload);
        QFETCH(QString, shown);
        QFETCH(bool, message);
        model().mirror().presets.names[3] = QStringLiteral("Old");
        rename(3, text);
        QCOMPARE(nameEdit(3)->text(), shown);
        QCOMPARE(model().mirror().presets.names[3], shown);
        if (payload.isEmpty())
            QVERIFY(nothingSent());
        else
            QCOMPARE(sent().toHex(' '), Frame::build(Msg::PresetRename, 1, payload).toHex(' '));
        QCOMPARE(texts(),
                 message ? QStringList {"Preset: The preset name's length can not be "
                                        "greater than 16 bytes, please enter again!"}
                         : QStringList());
    }

    void slotActionsAreConfirmed_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("question");
        QTest::addColumn<quint8>("funcId");
        QTest::newRow("save") << 1
                              << "Are you sure that you want to save current settings to "
                                 "preset 8?"
                              << quint8(2);
        QTest::newRow("load") << 2 << "Are you sure that you want to load preset 8?" << quint8(9);
        QTest::newRow("delete") << 5 << "Are you sure that you want to delete preset 8?"
                                << quint8(4);
    }
    void slotActionsAreConfirmed()
    {
        QFETCH(int, column);
        QFETCH(QString, question);
        QFETCH(quint8, funcId);
        model().mirror().presets.used[7] = 1;
        m_dialog->tcpSyncToUI(3, 32, 1, 255, 255, {});
        m_answer = 1; // Cancel
        button(7, column)->click();
        QVERIFY(nothingSent());
        m_answer = 0;
        button(7, column)->click();
        QCOMPARE(sent().toHex(' '), Frame::build({3, 32, funcId}, 1, hex("07")).toHex(' '));
        QCOMPARE(texts(),
                 QStringList({QStringLiteral("Preset: ") + question,
                              QStringLiteral("Preset: ") + question}));
        QCOMPARE(MessageBox::history()[0].buttons, (QStringList {"OK", "Cancel"}));
    }

    void exportShowsItsProgress()
    {
        QTemporaryDir dir;
        m_file = dir.filePath(QStringLiteral("all.pstl"));
        named("exportAllButton")->click();
        QCOMPARE(sent(), Frame::build(Msg::PresetExportAll, 0, hex("0000")));
        ProgressDialog *progress = m_dialog->progressDialog();
        m_device->reply(Msg::PresetExportAll, hex("00000300"));
        QCOMPARE(progressText(), QStringLiteral("Exporting All..."));
        QStringList labels;
        for (quint16 b = 0; b < 3; ++b) {
            sent();
            m_device->reply(
                    Msg::PresetExportAll,
                    ByteWriter().u8(0).u8(1).u16(b).bytes(QByteArray(b < 2 ? 512 : 9, 'p')));
            labels << progressText();
            if (b < 2)
                QCOMPARE(progress->value(), int(b));
        }
        QCOMPARE(labels, (QStringList {"Exporting All...0%", "Exporting All...0%", ""}));
        QVERIFY(!progress->isVisible());
        QCOMPARE(QFileInfo(m_file).size(), qint64(1033));
        QVERIFY(texts().isEmpty());

        // One slot, cancelled by the user: nothing more is asked, the file stays.
        m_file = dir.filePath(QStringLiteral("one.pst"));
        button(0, 4)->setEnabled(true);
        button(0, 4)->click();
        QCOMPARE(sent(), Frame::build(Msg::PresetExport, 0, hex("000000")));
        m_device->reply(Msg::PresetExport, hex("00000200"));
        sent();
        progress->cancelButton()->click();
        QVERIFY(!progress->isVisible());
        m_device->reply(Msg::PresetExport, hex("00010000") + QByteArray(512, 'q'));
        QVERIFY(nothingSent());
        QVERIFY(!QFile::exists(m_file));
        QVERIFY(texts().isEmpty());
    }

    void failuresAreTold()
    {
        m_file = QStringLiteral("/proc/self/x.pst");
        button(1, 4)->setEnabled(true);
        button(1, 4)->click();
        QVERIFY(nothingSent());
        QCOMPARE(texts(), QStringList {"Preset: Export failed!"});

        QTemporaryDir dir;
        m_file = dir.filePath(QStringLiteral("short.pst"));
        writeFile(m_file, "1234");
        MessageBox::clearHistory();
        button(1, 3)->click();
        QVERIFY(nothingSent());
        QCOMPARE(texts(), QStringList {"Preset: File format is error!"});
        QVERIFY(!m_dialog->progressDialog()->isVisible());

        // A file dialog closed without a choice does nothing.
        m_file.clear();
        MessageBox::clearHistory();
        named("importAllButton")->click();
        QVERIFY(nothingSent());
        QVERIFY(texts().isEmpty());
    }

    void importShowsItsProgress()
    {
        QTemporaryDir dir;
        m_file = dir.filePath(QStringLiteral("in.pst"));
        writeFile(m_file, QByteArray(1024, 'i'));
        button(4, 3)->click();
        QCOMPARE(sent(), Frame::build(Msg::PresetImport, 1, hex("000004")));
        m_device->reply(Msg::PresetImport, hex("0000") + QByteArray(4, 'i'));
        QStringList labels;
        for (quint16 b = 0; b < 3; ++b) {
            sent();
            m_device->reply(Msg::PresetImport, ByteWriter().u8(0).u8(1).u16(b));
            labels << progressText();
        }
        QCOMPARE(labels, (QStringList {"Import...33%", "Import...66%", ""}));
        QVERIFY(!m_dialog->progressDialog()->isVisible());
    }

    void loadProgress()
    {
        ProgressDialog *progress = m_dialog->progressDialog();
        QStringList labels;
        for (int p : {0, 40, 100}) {
            m_device->reply(Msg::PresetActive, QByteArray(1, char(p)));
            labels << (progress->isVisible() ? progressText() : QStringLiteral("hidden"));
        }
        QCOMPARE(labels, (QStringList {"Loading...", "Loading...40%", "hidden"}));
        m_device->reply(Msg::PresetActive, QByteArray(1, 0));
        progress->cancelButton()->click();
        m_device->reply(Msg::PresetActive, QByteArray(1, 60));
        QVERIFY(!progress->isVisible());
        QVERIFY(progress->value() != 60);
        m_device->reply(Msg::PresetActive, QByteArray(1, 0));
        QVERIFY(progress->isVisible());
    }

    void simpleModeLeavesLoadOnly()
    {
        writeSettingsFile(settingsPath(), "[UIBootMode]\nSimple=1\n");
        SystemSettings settings;
        PresetDialog dialog(&model(), &settings);
        auto *table = dialog.findChild<QTableWidget *>();
        QList<int> shown;
        for (int column = 0; column < table->columnCount(); ++column)
            if (!table->isColumnHidden(column))
                shown << column;
        QCOMPARE(shown, (QList<int> {0, 2}));
        QVERIFY(qobject_cast<QLineEdit *>(table->cellWidget(0, 0))->isReadOnly());
        QVERIFY(dialog.findChild<QPushButton *>("importAllButton")->isHidden());
        QFile::remove(settingsPath());
        QVERIFY(model().openDialogs() & StatusPoll::PresetsDialog);
        m_dialog->hide();
        QVERIFY(!(model().openDialogs() & StatusPoll::PresetsDialog));
    }

    void textsFollowTheLanguage()
    {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translation/chs.qm")));
        QCoreApplication::installTranslator(&translator);
        QTRY_COMPARE(m_dialog->windowTitle(), QStringLiteral("预设"));
        QCOMPARE(button(0, 1)->text(), QStringLiteral("保存"));
        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(named("exportAllButton")->text(), QStringLiteral("Export All"));
    }
};

int main(int argc, char *argv[])
{
    return runAppTest<PresetDialogTest>(argc, argv);
}

#include "PresetDialogTest.moc"
