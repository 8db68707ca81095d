#include "CatalogueRows.h"
#include "ReplyTestSupport.h"

#include "model/MessageCatalogue.h"

// Every row of the message catalogue: a reply of the right length is stored and announced once,
// a repeat announces nothing (except rows that announce every reply), other lengths are ignored,
// and requests never touch the mirror.
class CatalogueReplyTest : public QObject
{
    Q_OBJECT

    static const CatalogueRow &row()
    {
        QFETCH(int, index);
        return catalogueRows()[size_t(index)];
    }

    static ParameterMirror prepared(const CatalogueRow &r)
    {
        ParameterMirror m;
        if (r.setup)
            r.setup(m);
        return m;
    }

    static void rows()
    {
        QTest::addColumn<int>("index");
        const auto &all = catalogueRows();
        for (size_t i = 0; i < all.size(); ++i)
            QTest::newRow((all[i].name + (' ' + idText(all[i].id))).constData()) << int(i);
    }

private slots:
    void replyIsStoredAndAnnouncedOnce_data() { rows(); }
    void replyIsStoredAndAnnouncedOnce()
    {
        const CatalogueRow &r = row();
        ParameterMirror m = prepared(r);
        const ReplyOutcome first = applyReply(m, r.id, r.payload);
        QCOMPARE(first.announcements, r.announced);
        QCOMPARE(r.stored(m), r.expected);
        QCOMPARE(first.queries, r.queries);

        const ReplyOutcome repeat = applyReply(m, r.id, r.payload);
        if (r.always)
            QCOMPARE(repeat.announcements, r.announced);
        else
            QCOMPARE(repeat.announcements, std::vector<Announcement> {});
        QVERIFY(repeat.queries.empty()); // a count that did not change asks for nothing
        QCOMPARE(r.stored(m), r.expected);
        QVERIFY(m.isWithinRanges());
    }

    void wrongLengthsAreIgnored_data() { rows(); }
    void wrongLengthsAreIgnored()
    {
        const CatalogueRow &r = row();
        for (int length : r.wrongLengths) {
            ParameterMirror m = prepared(r);
            const QVariant before = r.stored(m);
            const ReplyOutcome out = applyReply(m, r.id, TestBytes::resized(r.payload, length));
            QVERIFY2(out.isEmpty(),
                     (QByteArray("length ") + QByteArray::number(length)).constData());
            QCOMPARE(r.stored(m), before);
        }
    }

    // Read and write requests echoed back (flag 0 or 1) are not reports of the device.
    void requestsAreNotApplied_data() { rows(); }
    void requestsAreNotApplied()
    {
        const CatalogueRow &r = row();
        for (quint8 flag : {quint8(Frame::ReadRequest), quint8(Frame::WriteRequest)}) {
            ParameterMirror m = prepared(r);
            const QVariant before = r.stored(m);
            QVERIFY(applyReply(m, r.id, r.payload, {}, flag).isEmpty());
            QCOMPARE(r.stored(m), before);
        }
    }

    // The one exception: the device reports a finished Dante restart with a frame of another
    // flag; it clears the restart flag once.
    void danteRestartClearedByANonReplyFrame()
    {
        ParameterMirror m;
        QVERIFY(applyReply(m, Msg::SysDanteRestart, {}, {}, Frame::ReadRequest).isEmpty());
        m.device.danteRestart = 1;
        const ReplyOutcome out = applyReply(m, Msg::SysDanteRestart, {}, {}, 0x40);
        QCOMPARE(out.announcements,
                 (std::vector<Announcement> {{Msg::SysDanteRestart, 255, 255, {}}}));
        QCOMPARE(m.device.danteRestart, quint8(0));
        QVERIFY(applyReply(m, Msg::SysDanteRestart, {}, {}, 0x40).isEmpty());
    }

    // Reports with a refresh flag announce their first reply even when it equals the start
    // value; a reset of the mirror arms the fault reports again.
    void refreshRowsAnnounceTheirFirstReply_data()
    {
        QTest::addColumn<MessageId>("id");
        QTest::addColumn<QByteArray>("startValue");
        QTest::addColumn<bool>("armedByReset");
        QTest::newRow("SysFaultFlags") << Msg::SysFaultFlags << QByteArray(1, '\0') << true;
        QTest::newRow("SysFaults") << Msg::SysFaults << QByteArray::fromHex("0101010101") << true;
        QTest::newRow("SysDanteState")
                << Msg::SysDanteState << QByteArray::fromHex("0002") << false;
        QTest::newRow("SysStatus35") << Msg::SysStatus35 << QByteArray(4, '\0') << false;
    }
    void refreshRowsAnnounceTheirFirstReply()
    {
        QFETCH(MessageId, id);
        QFETCH(QByteArray, startValue);
        QFETCH(bool, armedByReset);
        ParameterMirror m;
        QCOMPARE(applyReply(m, id, startValue).announcements.size(), size_t(1));
        QVERIFY(applyReply(m, id, startValue).isEmpty());
        m.resetLiveValues(false);
        QCOMPARE(applyReply(m, id, startValue).announcements.size(), size_t(armedByReset));
    }

    void loginReplyHandsOverItsStatus()
    {
        ParameterMirror m;
        for (MessageId id : {Msg::Login, Msg::LoginUser}) {
            QCOMPARE(applyReply(m, id, "\x02").loginStatus, std::optional<quint8>(2));
            QVERIFY(!applyReply(m, id, QByteArray::fromHex("0100")).loginStatus);
            QVERIFY(!applyReply(m, id, {}).loginStatus);
        }
    }

    void deviceIdChangeIsReportedForTheRegistry()
    {
        ParameterMirror m;
        const QByteArray id = TestBytes::u32(77);
        QCOMPARE(applyReply(m, Msg::SysDeviceId, id).reportedDeviceId, std::optional<quint32>(77));
        QVERIFY(!applyReply(m, Msg::SysDeviceId, id).reportedDeviceId);
    }

    void passwordChangeClearsTheStoredPasswords()
    {
        ParameterMirror m;
        QVERIFY(applyReply(m, Msg::SysPassword, {}).passwordsCleared);
        QVERIFY(applyReply(m, Msg::SysPassword, "anything").passwordsCleared);
    }

    void unknownIdentitiesAreDropped()
    {
        ParameterMirror m;
        for (MessageId id :
             {MessageId {5, 1, 1}, MessageId {2, 17, 1}, MessageId {3, 33, 1}, MessageId {4, 2, 1},
              MessageId {3, 10, 1}, MessageId {2, 2, 21}, Msg::AncLevel, MessageId {3, 1, 3}}) {
            QVERIFY2(applyReply(m, id, QByteArray(64, '\x01')).isEmpty(), idText(id).constData());
        }
    }
};

QTEST_GUILESS_MAIN(CatalogueReplyTest)
#include "CatalogueReplyTest.moc"
