#include "LoopbackDevice.h"
#include "ReplyTestSupport.h"

#include "model/MessageCatalogue.h"
#include "model/StatusPoll.h"

// The status poll schedule as query sequences ("type/subType/funcId[selectors]"), and the bytes
// the device model writes for them.
class StatusPollTest : public QObject
{
    Q_OBJECT

    static QString describe(const std::vector<StatusQuery> &queries)
    {
        QStringList parts;
        for (const StatusQuery &q : queries) {
            QString s =
                    QStringLiteral("%1/%2/%3").arg(q.id.type).arg(q.id.subType).arg(q.id.funcId);
            if (q.selectorSize == 1)
                s += QStringLiteral("[%1]").arg(q.selector[0]);
            else if (q.selectorSize == 2)
                s += QStringLiteral("[%1,%2]").arg(q.selector[0]).arg(q.selector[1]);
            parts << s;
        }
        return parts.join(QLatin1Char(' '));
    }

    static std::vector<StatusQuery> build(qint64 tick, int module, quint8 dialogs,
                                          MessageId lastWrite = {})
    {
        StatusPoll::State s;
        s.tick = tick;
        s.currentModule = module;
        s.currentChannel = 3;
        s.openDialogs = dialogs;
        if (lastWrite != MessageId {})
            s.lastWrite = LastWrite {lastWrite, 1};
        std::vector<StatusQuery> q;
        StatusPoll::build(s, q);
        return q;
    }

    // What a tick adds for a module page or for open dialogs: the difference to the same tick
    // without them (they come after everything else of the 200 ms block).
    static QString added(int module, quint8 dialogs, MessageId lastWrite)
    {
        const QString base = describe(build(20, -1, 0, lastWrite));
        const QString full = describe(build(20, module, dialogs, lastWrite));
        if (!full.startsWith(base))
            return QStringLiteral("(not after the common queries) ") + full;
        return full.mid(base.size()).trimmed();
    }

    static QString repeat(const QString &pattern, int from, int to)
    {
        QStringList parts;
        for (int i = from; i <= to; ++i)
            parts << pattern.arg(i);
        return parts.join(QLatin1Char(' '));
    }

    static QString routes() { return repeat(QStringLiteral("3/8/1[%1]"), 0, 15); }
    static QString matrixPairs() { return repeat(QStringLiteral("3/8/1[%1] 3/8/2[%1]"), 0, 15); }

    const QString meters = QStringLiteral("3/1/1 3/7/7 3/11/8 3/11/1 3/18/5");
    const QString system = QStringLiteral("2/2/33 2/2/34 2/2/35 2/2/5 2/2/2 2/2/3 2/2/10 2/2/11 "
                                          "2/2/19 2/2/16 2/2/24 2/2/4 2/2/29 2/2/14 2/2/20");
    const QString labelsAndSync = QStringLiteral("2/3/1 2/3/2 2/16/1 2/16/2");
    const QString preMix = QStringLiteral("3/7/1 3/7/3 3/7/2 3/7/4 3/7/6 3/7/8 3/1/4");

private slots:
    void ticks_data()
    {
        QTest::addColumn<int>("tick");
        QTest::addColumn<QString>("expected");
        const QString b = system + ' ' + labelsAndSync + ' ' + preMix;
        for (int tick : {1, 5, 9, 11, 25, 49, 99})
            QTest::newRow(qPrintable(QString::number(tick))) << tick << QString();
        QTest::newRow("10") << 10 << meters;
        QTest::newRow("30") << 30 << meters;
        QTest::newRow("20") << 20 << meters + ' ' + b;
        QTest::newRow("40") << 40 << meters + ' ' + b;
        QTest::newRow("50") << 50 << meters + " 2/2/37";
        QTest::newRow("100") << 100 << meters + ' ' + b + " 2/2/37";
        QTest::newRow("150") << 150 << meters + " 2/2/37";
    }
    void ticks()
    {
        QFETCH(int, tick);
        QFETCH(QString, expected);
        QCOMPARE(describe(build(tick, StatusPoll::LevelPreMix, 0)), expected);
    }

    void modulePages_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<MessageId>("lastWrite");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, int module, MessageId w, const QString &expected) {
            QTest::newRow(name) << module << w << expected;
        };
        const MessageId none;
        const QString inFilter =
                QStringLiteral("3/4/1[3] 3/4/2[3] ") + repeat(QStringLiteral("3/4/3[3,%1]"), 0, 7);
        const QString outFilter = QStringLiteral("3/12/1[3] 3/12/2[3] ")
                + repeat(QStringLiteral("3/12/3[3,%1]"), 0, 7);
        const QString gate = QStringLiteral("3/2/1 ") + repeat(QStringLiteral("3/2/2[%1]"), 0, 16);
        row("In Setup", 0, none, QStringLiteral("3/1/2 3/1/4 3/1/5 3/1/8"));
        row("In Setup edited", 0, Msg::InputGain, QString());
        row("Gate", 1, none, gate);
        row("Gate edited", 1, Msg::GateParams, QString());
        row("AGC", 2, none, QStringLiteral("3/16/1[3]"));
        row("AGC edited", 2, Msg::Agc, QString());
        row("Feedback", 3, none, QStringLiteral("3/3/1"));
        row("Feedback edited", 3, Msg::FeedbackEnable, QString());
        row("In Filter", 4, none, inFilter);
        row("In Filter edited", 4, Msg::InFilterPEQ, QString());
        row("In Filter, output filter edited", 4, Msg::OutFilterPEQ, inFilter);
        row("In Limiter", 5, none, QStringLiteral("3/5/1[3] 3/5/4"));
        row("In Limiter edited", 5, Msg::InLimiterGain, QString());
        row("In Delay", 6, none, QStringLiteral("3/6/1"));
        row("In Delay edited", 6, Msg::InDelay, QString());
        row("ANC", 7, none, QStringLiteral("3/17/1 3/17/2 ") + routes());
        row("ANC edited", 7, Msg::AncConfig, routes());
        row("ANC, route edited", 7, Msg::MatrixRoute, QStringLiteral("3/17/1 3/17/2"));
        row("ANC, matrix gain edited", 7, Msg::MatrixGain, QStringLiteral("3/17/1 3/17/2"));
        row("ANC, switches edited", 7, Msg::MatrixSwitches,
            QStringLiteral("3/17/1 3/17/2 ") + routes());
        row("AEC", 8, none, QStringLiteral("3/15/1 3/15/2 3/15/17 ") + routes());
        row("AEC edited", 8, Msg::AecMatrix, routes());
        row("AEC, route edited", 8, Msg::MatrixRoute, QStringLiteral("3/15/1 3/15/2 3/15/17"));
        row("Level Pre Mix", 9, none, preMix);
        row("Level Pre Mix edited", 9, Msg::PreMixGain, QStringLiteral("3/1/4"));
        row("Level Pre Mix, input mode edited", 9, Msg::InputMode, preMix);
        row("Matrix", 10, none, matrixPairs() + QStringLiteral(" 3/17/2 3/15/17"));
        row("Matrix, route edited", 10, Msg::MatrixRoute, QStringLiteral("3/17/2 3/15/17"));
        row("Matrix, gain edited", 10, Msg::MatrixGain, QStringLiteral("3/17/2 3/15/17"));
        row("Matrix, ANC edited", 10, Msg::AncLevel, matrixPairs() + QStringLiteral(" 3/15/17"));
        row("Matrix, AEC edited", 10, Msg::AecEnable, matrixPairs() + QStringLiteral(" 3/17/2"));
        row("Matrix, switches edited", 10, Msg::MatrixSwitches,
            matrixPairs() + QStringLiteral(" 3/17/2 3/15/17"));
        row("Auto Mixer", 11, none, QStringLiteral("3/18/1 3/18/2 3/18/3"));
        row("Auto Mixer edited", 11, Msg::AutoMixReset, QString());
        row("Signal Generator", 12, none, QStringLiteral("3/9/5 3/9/3 3/9/2 3/9/4 3/9/1"));
        row("Signal Generator edited", 12, Msg::SigGenGain, QString());
        row("Out Level", 13, none, QStringLiteral("3/11/2 3/11/4 3/11/3 3/11/5 3/11/7"));
        row("Out Level edited", 13, Msg::OutGain, QString());
        row("Out Filter", 14, none, outFilter);
        row("Out Filter edited", 14, Msg::OutFilterHPF, QString());
        row("Out Limiter", 15, none, QStringLiteral("3/13/1[3]"));
        row("Out Limiter edited", 15, Msg::OutLimiter, QString());
        row("Out Delay", 16, none, QStringLiteral("3/14/1"));
        row("Out Delay edited", 16, Msg::OutDelay, QString());
        row("no page 17", 17, none, QString());
        row("no page -1", -1, none, QString());
    }
    void modulePages()
    {
        QFETCH(int, module);
        QFETCH(MessageId, lastWrite);
        QFETCH(QString, expected);
        QCOMPARE(added(module, 0, lastWrite), expected);
    }

    void dialogs_data()
    {
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<MessageId>("lastWrite");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, int bits, MessageId w, const QString &expected) {
            QTest::newRow(name) << bits << w << expected;
        };
        const MessageId none;
        const QString usb = QStringLiteral("2/5/5 2/5/1 2/5/3 2/5/20 2/5/16 2/5/18 3/1/4 3/11/9");
        const QString setup = QStringLiteral("2/2/1 2/2/13 2/2/39 2/2/6 2/2/7 2/2/8 2/2/9 2/2/12 "
                                             "2/2/17 2/2/18 2/2/23 2/2/40");
        row("labels", 1, none, QStringLiteral("2/3/3"));
        row("labels, label edited", 1, Msg::OutputLabels, QString());
        row("presets", 2, none, QStringLiteral("3/32/1"));
        row("presets, rename", 2, Msg::PresetRename, QString());
        row("presets, save", 2, Msg::PresetSave, QStringLiteral("3/32/1"));
        row("USB", 4, none, usb + QStringLiteral(" 3/8/17[0] 3/8/17[1]"));
        row("USB, source edited", 4, Msg::MatrixSwitches, usb);
        row("device setup", 8, none, setup + QStringLiteral(" 3/7/6 3/11/7 2/2/32"));
        row("device setup, input limits", 8, Msg::PreMixGainRange,
            setup + QStringLiteral(" 3/11/7 2/2/32"));
        row("device setup, output limits", 8, Msg::OutGainRange,
            setup + QStringLiteral(" 3/7/6 2/2/32"));
        row("device setup, pre-mix gain", 8, Msg::PreMixGain,
            setup + QStringLiteral(" 3/7/6 3/11/7 2/2/32"));
        row("GPIO", 16, none, QStringLiteral("2/6/1"));
        row("GPIO, port edited", 16, Msg::GpioPort, QString());
        row("Dante", 32, none, QStringLiteral("4/1/1 4/1/3 4/1/4"));
        for (MessageId w : {Msg::DanteRename, Msg::DanteLatency, Msg::DanteNetwork})
            row("Dante, module edited", 32, w, QStringLiteral("4/1/3 4/1/4"));
        row("Dante, reboot", 32, Msg::DanteReboot, QStringLiteral("4/1/1 4/1/3 4/1/4"));
        row("all, in bit order", 63, none,
            QStringLiteral("2/3/3 3/32/1 ") + usb + QStringLiteral(" 3/8/17[0] 3/8/17[1] ") + setup
                    + QStringLiteral(" 3/7/6 3/11/7 2/2/32 2/6/1 4/1/1 4/1/3 4/1/4"));
    }
    void dialogs()
    {
        QFETCH(int, dialogs);
        QFETCH(MessageId, lastWrite);
        QFETCH(QString, expected);
        QCOMPARE(added(-1, quint8(dialogs), lastWrite), expected);
    }

    void labelsAndSyncHeldWhileEdited()
    {
        QCOMPARE(describe(build(20, -1, 0, Msg::InputShortLabels)),
                 meters + ' ' + system + QStringLiteral(" 2/16/1 2/16/2"));
        QCOMPARE(describe(build(20, -1, 0, Msg::SyncStatus)),
                 meters + ' ' + system + QStringLiteral(" 2/3/1 2/3/2"));
    }

    void busiestTick()
    {
        const std::vector<StatusQuery> q = build(100, StatusPoll::Matrix, 63);
        QCOMPARE(q.size(), size_t(StatusPoll::MaxQueriesPerTick));
        QVERIFY(describe(q).startsWith(meters + ' ' + system + ' ' + labelsAndSync + ' '
                                       + matrixPairs() + QStringLiteral(" 3/17/2 3/15/17 2/3/3")));
        QVERIFY(describe(q).endsWith(QStringLiteral("4/1/4 2/2/37")));
    }

    // The frames on the wire: read requests (flag 0) with their selector bytes.
    void queriesAsBytes()
    {
        LoopbackDevice device;
        QVERIFY(device.connect());
        device.drain();
        device.model->sendQueries({StatusQuery::plain(Msg::InputMeters),
                                   StatusQuery::select(Msg::GateParams, 16),
                                   StatusQuery::select(Msg::InFilterPEQ, 3, 7),
                                   StatusQuery::select(Msg::MatrixSwitches, 1)});
        QCOMPARE(device.received(12 + 13 + 14 + 13).toHex(),
                 QByteArray("827d0100030101000000"
                            "7d82"
                            "827d010003020200010010"
                            "7d82"
                            "827d01000304030002000307"
                            "7d82"
                            "827d010003081100010001"
                            "7d82"));

        const std::vector<StatusQuery> busiest = build(100, StatusPoll::Matrix, 63);
        QByteArray expected;
        for (const StatusQuery &q : busiest) {
            expected += Frame::build(
                    q.id, Frame::ReadRequest,
                    QByteArray(reinterpret_cast<const char *>(q.selector), q.selectorSize));
        }
        device.model->sendQueries(busiest);
        QCOMPARE(device.received(expected.size()), expected);
    }

    // The model's own tick polls the page and the dialogs it is told about.
    void pollFollowsThePageShown()
    {
        LoopbackDevice device;
        QVERIFY(device.connect());
        device.model->setCurrentModule(StatusPoll::Gate);
        device.model->setDialogOpen(StatusPoll::GpioSetupDialog, true);
        QCOMPARE(device.model->openDialogs(), quint8(StatusPoll::GpioSetupDialog));
        const QByteArray lastGateQuery = QByteArray::fromHex("827d010003020200010010"
                                                             "7d82");
        const QByteArray gpioQuery = QByteArray::fromHex("827d0100020601000000"
                                                         "7d82");
        QByteArray seen;
        QElapsedTimer wait;
        wait.start();
        while ((!seen.contains(lastGateQuery) || !seen.contains(gpioQuery))
               && wait.elapsed() < 5000) {
            QTest::qWait(10);
            seen += device.peer->readAll();
        }
        QVERIFY(seen.contains(lastGateQuery));
        QVERIFY(seen.contains(gpioQuery));
        device.model->setDialogOpen(StatusPoll::GpioSetupDialog, false);
        QCOMPARE(device.model->openDialogs(), quint8(0));
    }
};

QTEST_GUILESS_MAIN(StatusPollTest)
#include "StatusPollTest.moc"
