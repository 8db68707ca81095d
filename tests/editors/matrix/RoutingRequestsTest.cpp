#include "editors/chain/ChainTestSupport.h"

#include "model/LoopbackDevice.h"
#include "widgets/PointerEvents.h"

#include "editors/cancellation/AECWidget.h"
#include "editors/cancellation/AECWidget3.h"
#include "editors/cancellation/ANCWidget.h"
#include "editors/cancellation/ANCWidget3.h"
#include "editors/cancellation/CancellationBlocks.h"
#include "editors/cancellation/CancellationGeneration.h"
#include "editors/cancellation/CancellationPage.h"
#include "editors/cancellation/SignalGeneratorWidget.h"
#include "editors/cancellation/ToggleRow.h"
#include "editors/matrix/AutoMixerWidget.h"
#include "editors/matrix/MatrixRules.h"
#include "editors/matrix/MatrixTableWidget.h"
#include "editors/matrix/MatrixWidget.h"
#include "model/MessageCatalogue.h"
#include "widgets/Knob.h"
#include "widgets/LineEdit.h"
#include "widgets/MessageBox.h"
#include "widgets/Meter.h"
#include "widgets/MixButton.h"
#include "widgets/Resources.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSlider>

using namespace ChainTest;

class RoutingRequestsTest;
using RoutingAction = std::function<void(RoutingRequestsTest &)>;
using DspVersion = std::array<quint8, 3>;
Q_DECLARE_METATYPE(RoutingAction)
Q_DECLARE_METATYPE(DspVersion)

// What the matrix, automixer, cancellation and signal generator pages send, byte for byte, and
// the rules they keep: one request per output column, gains off below -55 dB, limits on typed
// values, nothing sent for a choice already made.
class RoutingRequestsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<LoopbackDevice> m_device;
    std::unique_ptr<ModuleWidget> m_module;
    std::unique_ptr<WriteLog> m_log;

    DataModel &model() { return *m_device->model; }
    MatrixTableWidget *table() { return m_module->matrixWidget()->table(); }
    AutoMixerWidget *am() { return m_module->autoMixerWidget(); }
    AECWidget2 *aec() { return qobject_cast<AECWidget2 *>(m_module->aecPage()->editor()); }
    ANCWidget2 *anc() { return qobject_cast<ANCWidget2 *>(m_module->ancPage()->editor()); }

    void tick(qint64 ms = 200)
    {
        m_device->clock.advance(ms);
        model().timeout();
    }

    void reportDspVersion(DspVersion version)
    {
        model().deviceInfo().dspVersion = version;
        m_module->syncFromModel(Msg::SysDspVersion.type, Msg::SysDspVersion.subType,
                                Msg::SysDspVersion.funcId, 255, 255);
    }

    // Hex of the inputs 0..16 and the cancellation sources, leaving out the given ones.
    static QString sourcesHex(std::initializer_list<int> leftOut, bool cancellation)
    {
        QByteArray list;
        for (int s = 0; s < 17; ++s)
            if (std::find(leftOut.begin(), leftOut.end(), s) == leftOut.end())
                list.append(char(s));
        if (cancellation)
            list.append("\x12\x13");
        return QString::fromLatin1(list.toHex());
    }

    // A matrix request for one output column: the output, the listed sources (hex), the value.
    static QString columnFrame(int funcId, int output, const QString &sources, const char *value)
    {
        const QString payload = QString("%1").arg(output, 2, 16, QChar('0')) + sources + value;
        return frame(3, 8, uchar(funcId), payload.toLatin1().constData());
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        initApplicationResources();
    }

    void init()
    {
        m_device = std::make_unique<LoopbackDevice>();
        QVERIFY(m_device->connect());
        m_module = std::make_unique<ModuleWidget>(m_device->model.get());
        m_module->resize(1300, 700);
        m_device->drain();
        m_log = std::make_unique<WriteLog>(m_device->peer);
        MessageBox::clearHistory();
    }

    void cleanup()
    {
        MessageBox::setResponder({});
        m_log.reset();
        m_module.reset();
        m_device.reset();
    }

    void gainRulesAndGenerations()
    {
        // Typed gain: sent, shown.
        const int gains[][3] = {
                {-56, -70, -100}, {-55, -55, -55}, {0, 0, 0}, {12, 12, 12}, {-90, -70, -100}};
        for (const auto &[gain, sent, shown] : gains) {
            QCOMPARE(int(MatrixRules::sentGain(gain)), sent);
            QCOMPARE(MatrixRules::shownGain(gain), shown);
        }
        const std::pair<DspVersion, int> generations[] = {
                {{0, 0, 0}, 3}, {{1, 1, 45}, 1}, {{2, 0, 7}, 1}, {{4, 9, 9}, 1},
                {{5, 0, 2}, 3}, {{6, 0, 0}, 2},  {{6, 1, 45}, 2}};
        for (const auto &[version, generation] : generations) {
            QCOMPARE(int(CancellationGeneration::forDspVersion(version)), generation);
            reportDspVersion(version);
            QWidget *aec = m_module->aecPage()->editor();
            QWidget *anc = m_module->ancPage()->editor();
            QCOMPARE(qobject_cast<AECWidget *>(aec) != nullptr, generation == 1);
            QCOMPARE(qobject_cast<AECWidget3 *>(aec) != nullptr, generation == 3);
            QCOMPARE(qobject_cast<ANCWidget *>(anc) != nullptr, generation == 1);
            QCOMPARE(qobject_cast<ANCWidget3 *>(anc) != nullptr, generation == 3);
            // The cancellation outputs are matrix rows where the blocks feed the matrix.
            QCOMPARE(table()->rowOf(MatrixRules::AecSource) >= 0, generation != 1);
        }
    }

    void aecBlockKeepsAnInputOnOneSide()
    {
        AecBlock b;
        b.setLocal(3, true);
        b.setRemote(3, true);
        QVERIFY(!b.isLocal(3));
        QVERIFY(b.isRemote(3));
        b.setLocal(31, true);
        b.setLocal(40, true); // beyond the mask: ignored
        QCOMPARE(b.localMask, 0x80000000U);
        QCOMPARE(AecBlock::fromBytes(b.toBytes()), b);
        QCOMPARE(AecBlock::fromBytes(QByteArray(10, '\x7f')), AecBlock()); // too short
        QCOMPARE(replaceBlock(QByteArray("abcdefgh"), QByteArray("XY")), QByteArray("XYcdefgh"));
    }

    void eachEditSendsItsRequest_data()
    {
        using T = RoutingRequestsTest;
        QTest::addColumn<RoutingAction>("action");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *name, RoutingAction action, QStringList expected) {
            QTest::newRow(name) << action << expected;
        };
        row("cell gain -56 is sent as -70",
            [](T &t) {
                t.table()->selectBlock(0, 0, 0, 0);
                t.table()->mixKnobValueChanged(-56);
                QCOMPARE(t.table()->cell(0, 0)->text(), QString("-100"));
                t.tick();
            },
            {frame(3, 8, 2, "00 00 ba")});
        row("selection 0, 3, 17 lists 0 and 3",
            [](T &t) {
                t.m_module->matrixWidget()->tableWidgetEnabledChanged(QByteArray("\x00\x03\x11", 3),
                                                                      2, true);
            },
            {frame(3, 8, 1, "02 00 03 01")});
        row("second click on a selected cell switches it",
            [](T &t) {
                MixButton *cell = t.table()->cell(4, 6);
                QTest::mouseClick(cell, Qt::LeftButton);
                QVERIFY(cell->isSelected() && !cell->isChecked());
                QTest::mouseClick(cell, Qt::LeftButton);
            },
            {frame(3, 8, 1, "06 04 01")});
        row("block switch, one request per output",
            [](T &t) { // rows 1..2 by outputs 3..4, corners reversed
                t.table()->selectBlock(2, 4, 1, 3);
                QTest::mouseClick(t.table()->cell(1, 4), Qt::LeftButton);
            },
            {frame(3, 8, 1, "03 01 02 01"), frame(3, 8, 1, "04 01 02 01")});
        row("AM 2 on a channel of group 1, leaving a group, AM 2 enabled",
            [](T &t) {
                t.model().mirror().autoMixer.groups[5] = 1;
                t.model().mirror().autoMixer.groups[6] = 2;
                t.am()->refreshChannel(5);
                t.am()->refreshChannel(6);
                t.am()->groupButton(5, 2)->click();
                QVERIFY(!t.am()->groupButton(5, 1)->isChecked());
                t.am()->groupButton(6, 2)->click();
                t.am()->enabledButton(2)->click();
            },
            {frame(3, 18, 2, "05 02"), frame(3, 18, 2, "06 00"), frame(3, 18, 3, "01 01")});
        row("weight typed as 20 is 12.0 dB; text restores it",
            [](T &t) {
                typeInto(t.am()->weightEdit(4), "20");
                QCOMPARE(t.am()->weightSlider(4)->value(), 120);
                typeInto(t.am()->weightEdit(4), "loud");
                QCOMPARE(t.am()->weightEdit(4)->text(), QString("12.0"));
                t.tick();
            },
            {frame(3, 18, 1, "04 00004041")});
        row("remote input 3 clears its local bit",
            [](T &t) {
                AecBlock b;
                b.setLocal(3, true);
                b.setLocal(1, true);
                b.level = 1;
                t.model().mirror().aec.matrix = b.toBytes();
                t.m_module->aecPage()->refresh();
                t.aec()->remoteRow()->button(3)->click();
                QVERIFY(!t.aec()->localRow()->isOn(3) && t.aec()->remoteRow()->isOn(3));
            },
            {frame(3, 15, 17, "02000000 08000000 01 00 00")});
        row("AEC mixed into output 5; level already stored",
            [](T &t) {
                t.aec()->outputRow()->button(5)->click();
                t.aec()->levelButton(0)->click();
                t.aec()->noiseReductionButton(3)->click();
            },
            {frame(3, 8, 1, "05 12 01"), frame(3, 15, 17, "00000000 00000000 00 03 00")});
        row("ANC level already stored sends nothing; input, level, enable, output",
            [](T &t) {
                AncBlock b;
                b.level = 2;
                t.model().mirror().anc.config = b.toBytes();
                t.m_module->ancPage()->refresh();
                QVERIFY(t.anc()->levelButton(2)->isChecked());
                t.anc()->levelButton(2)->click();
                t.anc()->inputRow()->button(16)->click();
                t.anc()->levelButton(6)->click();
                t.anc()->enabledButton()->click();
                t.anc()->outputRow()->button(15)->click();
            },
            {frame(3, 17, 2, "00000100 02 00"), frame(3, 17, 2, "00000100 06 00"),
             frame(3, 17, 2, "00000100 06 01"), frame(3, 8, 1, "0f 13 01")});
        row("frequency typed as 30000 is 24000 Hz, gain below the range",
            [](T &t) {
                SignalGeneratorWidget *g = t.m_module->signalGeneratorWidget();
                typeInto(g->freqEdit(), "30000");
                QCOMPARE(g->freqEdit()->text(), QString("24000"));
                QCOMPARE(g->freqKnob()->value(), 24000);
                typeInto(g->gainEdit(), "-80");
            },
            {frame(3, 9, 2, "0080bb46"), frame(3, 9, 4, "00008cc2")});
        row("generator knob is throttled; mute, type, output",
            [](T &t) {
                SignalGeneratorWidget *g = t.m_module->signalGeneratorWidget();
                PointerEvents::wheel(g->gainKnob(), 120);
                PointerEvents::wheel(g->gainKnob(), 120);
                QCOMPARE(t.m_log->take(), QStringList());
                t.tick();
                g->muteButton()->click();
                g->typeButton(2)->click();
                g->outputButton(5)->click();
            },
            {frame(3, 9, 4, "0000e0c1"), frame(3, 9, 5, "00"), frame(3, 9, 3, "02"),
             frame(3, 9, 1, "05 01")});
        row("first generation: enable, microphones, noise reduction",
            [](T &t) {
                t.reportDspVersion({2, 0, 7});
                auto *aec = qobject_cast<AECWidget *>(t.m_module->aecPage()->editor());
                auto *anc = qobject_cast<ANCWidget *>(t.m_module->ancPage()->editor());
                aec->enableButton(true)->click();
                aec->localMicCheckBox(2)->click();
                anc->channelButton(4)->click();
                anc->levelButton(2)->click();
            },
            {frame(3, 15, 1, "01"), frame(3, 15, 2, "0000010000000000000000000000000000"),
             frame(3, 17, 1, "04 02")});
    }
    void eachEditSendsItsRequest()
    {
        QFETCH(RoutingAction, action);
        QFETCH(QStringList, expected);
        action(*this);
        QCOMPARE(m_log->take(), expected);
    }

    // Dragging the gain of a 16 x 16 block: per throttle period at most one gain request per
    // output column, each naming the whole column of the block.
    void blockGainDragIsThrottledPerColumn()
    {
        table()->selectBlock(0, 0, 15, 15);
        Knob *knob = table()->gainKnob();
        for (int period = 0; period < 3; ++period) {
            for (int step = 0; step < 6; ++step)
                PointerEvents::wheel(knob, -120);
            QCOMPARE(m_log->take(), QStringList()); // nothing before the period is over
            tick();
            const QStringList sent = m_log->take();
            QCOMPARE(sent.size(), 16);
            const QByteArray gain =
                    QByteArray(1, char(MatrixRules::sentGain(knob->value()))).toHex();
            for (int output = 0; output < 16; ++output) {
                QVERIFY2(sent.contains(
                                 columnFrame(2, output, sourcesHex({16}, false), gain.constData())),
                         qPrintable(QString::number(output)));
            }
        }
        QCOMPARE(table()->cell(15, 15)->text(), QString::number(knob->value()));
    }

    void allMix_data()
    {
        QTest::addColumn<DspVersion>("version");
        QTest::addColumn<bool>("including");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<QString>("sources");
        QTest::newRow("5.x without cancellation")
                << DspVersion {5, 0, 2} << false << true << sourcesHex({2, 4}, false);
        QTest::newRow("5.x including ANC/AEC")
                << DspVersion {5, 0, 2} << true << true << sourcesHex({}, true);
        QTest::newRow("6.x has no choice")
                << DspVersion {6, 1, 45} << true << false << sourcesHex({2, 4}, false);
        QTest::newRow("first generation has no blocks")
                << DspVersion {2, 0, 7} << false << false << sourcesHex({}, false);
    }
    void allMix()
    {
        QFETCH(DspVersion, version);
        QFETCH(bool, including);
        QFETCH(bool, offered);
        QFETCH(QString, sources);
        reportDspVersion(version);
        AecBlock aec;
        aec.setLocal(4, true);
        model().mirror().aec.matrix = aec.toBytes();
        AncBlock anc;
        anc.setInput(2, true);
        model().mirror().anc.config = anc.toBytes();
        MessageBox::setResponder([including](const MessageBox::Request &r) {
            if (r.checked)
                *r.checked = including;
            return 0;
        });
        m_module->matrixWidget()->allMixButtonClicked();

        QCOMPARE(MessageBox::history().size(), 1);
        const MessageBox::Request &asked = MessageBox::history().first();
        QCOMPARE(asked.title, QString("All Mix"));
        QCOMPARE(asked.checkBox, offered ? QString("Including ANC/AEC") : QString());
        QStringList expected;
        for (int output = 0; output < 16; ++output)
            expected << columnFrame(1, output, sources, "01");
        QCOMPARE(m_log->take(), expected);
        tick();
        const QStringList gains = m_log->take();
        QCOMPARE(gains.size(), 16);
        QVERIFY(gains.contains(columnFrame(2, 15, sources, "00")));
        QCOMPARE(model().input(0).matrixRoute[15], quint8(1));
        const bool fourListed = QByteArray::fromHex(sources.toLatin1()).contains('\x04');
        QCOMPARE(model().input(4).matrixRoute[15], quint8(fourListed));
    }

    void resetAsksAndCancelSendsNothing()
    {
        MessageBox::setResponder([](const MessageBox::Request &) { return 1; });
        m_module->matrixWidget()->resetButtonClicked();
        m_module->autoMixerWidget()->resetButtonClicked();
        QCOMPARE(MessageBox::history().size(), 2);
        QCOMPARE(MessageBox::history()[0].title, QString("Reset"));
        QCOMPARE(MessageBox::history()[1].text,
                 QString("Are you sure that you want to reset the auto mixer?"));
        tick();
        QCOMPARE(m_log->take(), QStringList());

        MessageBox::setResponder([](const MessageBox::Request &) { return 0; });
        model().mirror().autoMixer.groups[3] = 2;
        m_module->autoMixerWidget()->resetButtonClicked();
        QCOMPARE(m_log->take(), QStringList {frame(3, 18, 4, "")});
        QCOMPARE(int(model().mirror().autoMixer.groups[3]), 0);
    }

    void headerQuestions_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QStringList>("expected");
        QStringList row;
        for (int output = 0; output < 16; ++output)
            row << columnFrame(1, output, "01", "01");
        QTest::newRow("output header disables")
                << 19 + 3 << 1
                << "Are you sure that you want to enable or disable all the input channel mix to "
                   "Out4?"
                << QStringList {columnFrame(1, 3, sourcesHex({}, true), "00")};
        QTest::newRow("input header enables")
                << 1 << 0
                << "Are you sure that you want to enable or disable Chair mix to all the output "
                   "channel?"
                << row;
        QTest::newRow("cancel") << 0 << 2 << QString() << QStringList();
    }
    void headerQuestions()
    {
        QFETCH(int, section);
        QFETCH(int, answer);
        QFETCH(QString, question);
        QFETCH(QStringList, expected);
        model().input(1).label = QStringLiteral("Chair");
        model().output(3).label = QStringLiteral("Out4");
        m_module->matrixWidget()->refreshLabels();
        MessageBox::setResponder([answer](const MessageBox::Request &r) {
            return r.buttons == QStringList {"Enabled", "Disabled", "Cancel"} ? answer : -1;
        });
        QCOMPARE(table()->rowCount(), 19);
        table()->headerSectionClicked(section);
        QCOMPARE(MessageBox::history().size(), 1);
        QCOMPARE(MessageBox::history()[0].title, QString("Matrix"));
        if (!question.isEmpty())
            QCOMPARE(MessageBox::history()[0].text, question);
        QCOMPARE(m_log->take(), expected);
    }

    // What the device reports reaches the page that shows it, as the main window routes the
    // model's notifications.
    void deviceRepliesReachThePages()
    {
        ModuleWidget *module = m_module.get();
        connect(&model(), &DataModel::tcpSyncToUI, module,
                [module](uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                         const QVariant &) {
                    module->syncFromModel(type, subType, funcId, channel, other);
                });
        MatrixTableWidget *grid = table();
        const auto cell = [grid](int source, int output) {
            return grid->cell(grid->rowOf(source), output);
        };

        // Output 5: input 3 and the echo canceller's output routed, the noise canceller's not.
        QByteArray routes(21, '\0');
        routes[0] = 4;
        routes[1 + 3] = 1;
        routes[19] = 1;
        m_device->reply(Msg::MatrixRoute, routes);
        QVERIFY(cell(3, 4)->isChecked() && cell(MatrixRules::AecSource, 4)->isChecked());
        QVERIFY(!cell(MatrixRules::AncSource, 4)->isChecked());
        QVERIFY(aec()->outputRow()->isOn(4));
        QByteArray gains(21, '\0');
        gains[0] = 4;
        gains[1 + 3] = char(-12);
        m_device->reply(Msg::MatrixGain, gains);
        QCOMPARE(cell(3, 4)->text(), QString("-12"));

        QByteArray meters(32, '\0');
        meters[0] = 20;
        meters[16] = char(-30);
        m_device->reply(Msg::AutoMixMeters, meters);
        QCOMPARE(am()->attenuationMeter(0)->level(), 20);
        QCOMPARE(am()->levelMeter(0)->level(), -30);
        m_device->reply(Msg::AutoMixEnable, QByteArray::fromHex("0001"));
        QVERIFY(!am()->enabledButton(1)->isChecked() && am()->enabledButton(2)->isChecked());

        m_device->reply(Msg::SigGenMute, QByteArray::fromHex("00"));
        QVERIFY(!m_module->signalGeneratorWidget()->muteButton()->isChecked());
        m_device->reply(Msg::SigGenFreq, QByteArray::fromHex("0080bb46"));
        QCOMPARE(m_module->signalGeneratorWidget()->freqEdit()->text(), QString("24000"));

        AecBlock block;
        block.setLocal(3, true);
        block.enabled = 1;
        m_device->reply(Msg::AecMatrix, block.toBytes());
        QVERIFY(aec()->enabledButton()->isChecked() && aec()->localRow()->isOn(3));
        // Input 3 feeds the echo canceller, which is mixed into output 5: its cell says so.
        QVERIFY(cell(3, 4)->property("cancellation").toBool());
        QVERIFY(!cell(3, 5)->property("cancellation").toBool());

        m_device->reply(Msg::AncConfig, QByteArray::fromHex("0100000003 01"));
        QVERIFY(anc()->inputRow()->isOn(0) && anc()->levelButton(3)->isChecked());
        QCOMPARE(m_log->take(), QStringList()); // showing what the device says sends nothing
    }

    void instructionsInBothAppearances()
    {
        MessageBox::setResponder([](const MessageBox::Request &) { return 0; });
        m_module->autoMixerWidget()->infoButtonClicked();
        qobject_cast<AECWidget3 *>(m_module->aecPage()->editor())->infoButtonClicked();
        qobject_cast<ANCWidget3 *>(m_module->ancPage()->editor())->infoButtonClicked();
        const QList<MessageBox::Request> &asked = MessageBox::history();
        QCOMPARE(asked.size(), 3);
        QCOMPARE(asked[0].title, QString("Instructions for using automix"));
        QCOMPARE(asked[0].text.split("\n\n").size(), 5);
        QCOMPARE(asked[1].title, QString("Instructions for using AEC"));
        QCOMPARE(asked[2].title, QString("Instructions for using ANC"));
        for (const char *icon : {"InfoDark", "InfoLight", "AecLogicDark", "AncLogicLight"})
            QVERIFY2(!QPixmap(QString(":/image/%1.png").arg(icon)).isNull(), icon);
    }
};

QTEST_MAIN(RoutingRequestsTest)
#include "RoutingRequestsTest.moc"
