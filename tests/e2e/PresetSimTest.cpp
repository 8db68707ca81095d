// Backing up and restoring the simulated processor through files, as the program does it:
// presets of all slots and of one slot, and the labels, must come back byte for byte; a link
// that breaks in the middle leaves the file and the processor as they were.
#include "SimLink.h"

#include "PresetImage.h"

#include "files/LabelFile.h"
#include "files/LabelSync.h"
#include "files/PresetExport.h"
#include "files/PresetImport.h"
#include "model/StatusPoll.h"
#include "wire/LocalText.h"

#include <QTemporaryDir>

class PresetSimTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<SimLink> m_link;
    QTemporaryDir m_dir;

    sim::SimStore &store() { return m_link->device->store(); }
    QByteArray allSlots() { return sim::PresetImage::exportAll(store().presets, store().config); }
    QByteArray slot(int i)
    {
        return sim::PresetImage::exportSlot(store().presets[size_t(i)], store().config);
    }
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    // Runs one transfer to its end; returns the outcome and leaves the message in *message.
    template<typename Transfer>
    int run(PresetBlockTransfer::Scope scope, quint8 slotIndex, const QString &file,
            QString *message = nullptr)
    {
        Transfer transfer(m_link->model.get());
        QObject::connect(m_link->model.get(), &DataModel::tcpSyncToUI, &transfer,
                         &PresetBlockTransfer::deviceMessage);
        QSignalSpy ended(&transfer, &PresetBlockTransfer::ended);
        transfer.start(scope, slotIndex, file);
        if (ended.isEmpty() && !ended.wait(10000))
            return -1;
        if (message)
            *message = ended[0][1].toString();
        return ended[0][0].toInt();
    }

    void fillPresets()
    {
        store().setSceneSize(2000);
        for (int i : {1, 5, 30}) {
            store().audio.inputs[size_t(i % 16)].delay = float(i) * 1.5f;
            store().audio.inputs[0].preMixGain = -float(i);
            QVERIFY(store().savePreset(i));
        }
        store().presets[5].name = "Sixteen bytes ok";
    }

    bool reconnect()
    {
        return SimLink::waitFor(
                [this] {
                    m_link->tick(10);
                    return m_link->model->isLoggedIn();
                },
                15000);
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void init()
    {
        qRegisterMetaType<PresetBlockTransfer::Outcome>();
        m_link = std::make_unique<SimLink>();
        QVERIFY(m_link->started());
        QVERIFY(m_link->open());
        fillPresets();
    }

    void cleanup() { m_link.reset(); }

    void allSlotsComeBackByteForByte()
    {
        const QByteArray before = allSlots();
        QVERIFY(before.size() > 64 * 1024);
        QCOMPARE(run<PresetExport>(PresetBlockTransfer::AllSlots, 0, path("all.pstl")),
                 int(PresetBlockTransfer::Completed));
        QCOMPARE(contents(path("all.pstl")), before);

        store().deletePreset(1);
        store().deletePreset(30);
        store().audio.inputs[3].delay = 99;
        store().savePreset(12);
        store().presets[5].name = "Changed";
        QVERIFY(allSlots() != before);

        QCOMPARE(run<PresetImport>(PresetBlockTransfer::AllSlots, 0, path("all.pstl")),
                 int(PresetBlockTransfer::Completed));
        QCOMPARE(allSlots(), before);
    }

    void oneSlotComesBackByteForByte()
    {
        const QByteArray before = slot(5);
        QCOMPARE(run<PresetExport>(PresetBlockTransfer::OneSlot, 5, path("five.pst")),
                 int(PresetBlockTransfer::Completed));
        QCOMPARE(contents(path("five.pst")), before);
        store().deletePreset(5);
        QCOMPARE(run<PresetImport>(PresetBlockTransfer::OneSlot, 5, path("five.pst")),
                 int(PresetBlockTransfer::Completed));
        QCOMPARE(slot(5), before);
        // Into another slot, and a slot image is not an image of all slots.
        QCOMPARE(run<PresetImport>(PresetBlockTransfer::OneSlot, 9, path("five.pst")),
                 int(PresetBlockTransfer::Completed));
        QCOMPARE(slot(9), before);
        QString message;
        QCOMPARE(run<PresetImport>(PresetBlockTransfer::AllSlots, 0, path("five.pst"), &message),
                 int(PresetBlockTransfer::Failed));
        QCOMPARE(message, QStringLiteral("File format is error!"));
        // An unused slot has nothing to export: the old file stays.
        QCOMPARE(run<PresetExport>(PresetBlockTransfer::OneSlot, 20, path("five.pst")),
                 int(PresetBlockTransfer::Empty));
        QCOMPARE(contents(path("five.pst")), before);
    }

    void aBrokenLinkLeavesFileAndProcessorAlone_data()
    {
        QTest::addColumn<bool>("exporting");
        QTest::newRow("export") << true;
        QTest::newRow("import") << false;
    }
    void aBrokenLinkLeavesFileAndProcessorAlone()
    {
        QFETCH(bool, exporting);
        QCOMPARE(run<PresetExport>(PresetBlockTransfer::AllSlots, 0, path("good.pstl")),
                 int(PresetBlockTransfer::Completed));
        const QByteArray good = contents(path("good.pstl"));
        store().deletePreset(30);
        const QByteArray before = allSlots();

        m_link->device->faults().dropAfterPresetBlocks = 3;
        QString message;
        const int outcome = exporting
                ? run<PresetExport>(PresetBlockTransfer::AllSlots, 0, path("good.pstl"), &message)
                : run<PresetImport>(PresetBlockTransfer::AllSlots, 0, path("good.pstl"), &message);
        QCOMPARE(outcome, int(PresetBlockTransfer::Failed));
        QCOMPARE(message,
                 exporting ? QStringLiteral("Export failed!") : QStringLiteral("Import failed!"));
        QCOMPARE(contents(path("good.pstl")), good);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files).filter(QStringLiteral("good")),
                 QStringList {"good.pstl"});
        QCOMPARE(allSlots(), before);

        // The program goes on: it connects again and the same transfer now works.
        m_link->device->faults().dropAfterPresetBlocks = -1;
        QVERIFY(reconnect());
        QCOMPARE(run<PresetImport>(PresetBlockTransfer::AllSlots, 0, path("good.pstl")),
                 int(PresetBlockTransfer::Completed));
        QVERIFY(allSlots() != before);
        QCOMPARE(run<PresetExport>(PresetBlockTransfer::AllSlots, 0, path("again.pstl")),
                 int(PresetBlockTransfer::Completed));
        QCOMPARE(contents(path("again.pstl")), good);
    }

    void labelsComeBackByteForByte()
    {
        for (int ch = 0; ch < 16; ++ch) {
            store().system.inputLabels[size_t(ch)] = "In " + QByteArray::number(ch);
            store().system.outputLabels[size_t(ch)] = "Out " + QByteArray::number(ch);
            store().system.shortLabels[size_t(ch)] = "S" + QByteArray::number(ch);
        }
        store().system.inputLabels[2] = "Sixteen bytes ok";
        store().system.shortLabels[15] = "TenBytes!!";
        store().system.outputLabels[7] = LocalText::encode(QString::fromUtf8("主扩声左右声道八"));
        const auto original = store().system;
        DataModel &model = *m_link->model;
        model.setDialogOpen(StatusPoll::LabelsDialog, true);
        const auto differences = [&] {
            QStringList out;
            for (int ch = 0; ch < 16; ++ch) {
                if (LocalText::encode(model.input(ch).label)
                            != store().system.inputLabels[size_t(ch)]
                    || LocalText::encode(model.output(ch).label)
                            != store().system.outputLabels[size_t(ch)]
                    || LocalText::encode(model.input(ch).shortLabel)
                            != store().system.shortLabels[size_t(ch)])
                    out << QString::number(ch);
            }
            return out;
        };
        QStringList remaining;
        QVERIFY2(m_link->pollUntil(100, differences, &remaining), qPrintable(remaining.join(' ')));
        QVERIFY(LabelFile::write(path("labels.lbl"), LabelSync::fromModel(model, 16), 16, nullptr));

        for (auto *labels : {&store().system.inputLabels, &store().system.outputLabels,
                             &store().system.shortLabels})
            labels->fill("x");
        QVERIFY2(m_link->pollUntil(100, differences, &remaining), qPrintable(remaining.join(' ')));

        LabelFile::Labels labels;
        QString error;
        QVERIFY(LabelFile::read(path("labels.lbl"), 16, &labels, &error));
        QCOMPARE(LabelSync::applyAll(model, labels, 16).size(), 48);
        QTRY_COMPARE(store().system.shortLabels[15], QByteArray("TenBytes!!"));
        for (size_t ch = 0; ch < 16; ++ch) { // the file holds 16 channels
            QCOMPARE(store().system.inputLabels[ch], original.inputLabels[ch]);
            QCOMPARE(store().system.outputLabels[ch], original.outputLabels[ch]);
            QCOMPARE(store().system.shortLabels[ch], original.shortLabels[ch]);
        }
    }
};

QTEST_GUILESS_MAIN(PresetSimTest)
#include "PresetSimTest.moc"
