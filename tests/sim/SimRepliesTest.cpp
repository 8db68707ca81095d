#include "SimClient.h"

using namespace sim;

// The replies of the simulated processor: every query of the poll gets the catalogue's layout,
// selectors are honoured, and a few fixed states are answered byte for byte.
class SimRepliesTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;
    std::unique_ptr<SimDevice> m_device;
    std::unique_ptr<SimClient> m_client;

    void open(const QString &config)
    {
        m_device = std::make_unique<SimDevice>(testOptions(config), m_clock.clock());
        const quint16 port = m_device->start(QHostAddress::LocalHost, 0);
        QVERIFY2(port != 0, qPrintable(m_device->errorString()));
        m_client = std::make_unique<SimClient>();
        QVERIFY(m_client->open(port));
    }

private slots:
    void cleanup()
    {
        m_client.reset();
        m_device.reset();
    }

    void everyPolledQueryHasItsLayout_data()
    {
        QTest::addColumn<MessageId>("id");
        QTest::addColumn<QByteArray>("selector");
        QTest::addColumn<int>("replies");
        QTest::addColumn<int>("length"); // -1: any length (texts)
        const auto row = [](MessageId id, const char *selector, int replies, int length) {
            QTest::addRow("%d/%d/%d [%s]", id.type, id.subType, id.funcId, selector)
                    << id << hex(selector) << replies << length;
        };
        // Meters, every 100 ms.
        for (MessageId id : {MessageId {3, 1, 1}, {3, 7, 7}, {3, 11, 8}, {3, 11, 1}})
            row(id, "", 1, 18);
        row({3, 18, 5}, "", 1, 32);
        // System status, every 200 ms.
        const std::pair<quint8, int> system[] = {{33, 2}, {34, 1},  {35, 4},  {5, 2},  {2, 3},
                                                 {3, 3},  {10, -1}, {11, -1}, {19, 8}, {16, 1},
                                                 {24, 4}, {4, -1},  {29, 4},  {14, 1}, {20, 5}};
        for (const auto &[f, length] : system)
            row({2, 2, f}, "", 1, length);
        row({2, 3, 1}, "", 1, 288);
        row({2, 3, 2}, "", 1, 288);
        row({2, 16, 1}, "", 1, 5);
        row({2, 16, 2}, "", 1, 1);
        // The module shown.
        for (quint8 f : {2, 4, 5})
            row({3, 1, f}, "", 1, 16);
        row({3, 1, 8}, "", 1, 64);
        row({3, 2, 1}, "", 1, 18);
        row({3, 2, 2}, "00", 1, 14);
        row({3, 2, 2}, "10", 1, 14);
        row({3, 16, 1}, "0f", 1, 22);
        row({3, 3, 1}, "", 1, 16);
        row({3, 4, 1}, "10", 1, 8);
        row({3, 4, 2}, "03", 1, 8);
        row({3, 4, 3}, "1007", 1, 13);
        row({3, 5, 1}, "10", 1, 18);
        row({3, 5, 4}, "", 1, 72);
        row({3, 6, 1}, "", 1, 64);
        row({3, 17, 1}, "", 1, 16);
        row({3, 17, 2}, "", 1, 6);
        row({3, 8, 1}, "0f", 1, 21);
        row({3, 8, 2}, "00", 1, 21);
        row({3, 15, 1}, "", 1, 1);
        row({3, 15, 2}, "", 1, 17);
        row({3, 15, 17}, "", 1, 11);
        for (quint8 f : {1, 3, 4, 8})
            row({3, 7, f}, "", 1, 18);
        row({3, 7, 2}, "", 1, 72);
        row({3, 7, 6}, "", 1, 144);
        row({3, 18, 1}, "", 1, 64);
        row({3, 18, 2}, "", 1, 16);
        row({3, 18, 3}, "", 1, 2);
        for (quint8 f : {5, 3})
            row({3, 9, f}, "", 1, 1);
        for (quint8 f : {2, 4})
            row({3, 9, f}, "", 1, 4);
        row({3, 9, 1}, "", 1, 16);
        for (quint8 f : {2, 4, 5})
            row({3, 11, f}, "", 1, 18);
        row({3, 11, 3}, "", 1, 72);
        row({3, 11, 7}, "", 1, 144);
        row({3, 12, 1}, "0f", 1, 8);
        row({3, 12, 2}, "00", 1, 8);
        row({3, 12, 3}, "0f07", 1, 13);
        row({3, 13, 1}, "10", 1, 18);
        row({3, 14, 1}, "", 1, 64);
        // The open dialogs.
        row({2, 3, 3}, "", 1, 180);
        row({3, 32, 1}, "", 1, 545);
        row({2, 5, 5}, "", 1, -1);
        row({2, 5, 1}, "", 1, 4);
        row({2, 5, 3}, "", 1, 6);
        row({2, 5, 20}, "", 1, -1);
        row({2, 5, 16}, "", 1, 4);
        row({2, 5, 18}, "", 1, 5);
        row({3, 11, 9}, "", 1, 1);
        row({3, 8, 17}, "01", 1, 37);
        const std::pair<quint8, int> setup[] = {{1, -1}, {13, 12}, {39, 6}, {6, 4},  {7, 4},
                                                {8, 4},  {9, 4},   {12, 7}, {17, 4}, {18, 4},
                                                {23, 1}, {40, 1},  {32, 1}, {37, 1}};
        for (const auto &[f, length] : setup)
            row({2, 2, f}, "", 1, length);
        row({2, 6, 1}, "", 8, 66); // no port named: every port
        row({2, 6, 1}, "07", 1, 66);
        row({4, 1, 1}, "", 1, 94);
        row({4, 1, 3}, "", 1, 2);
        row({4, 1, 4}, "", 4, 65);
        // Lists, one reply per file.
        row({2, 5, 2}, "", 5, -1);
        row({2, 5, 17}, "", 2, -1);
    }
    void everyPolledQueryHasItsLayout()
    {
        QFETCH(MessageId, id);
        QFETCH(QByteArray, selector);
        QFETCH(int, replies);
        QFETCH(int, length);
        open(QStringLiteral("12x12+Dante4x4"));
        const QList<SimClient::Reply> got = m_client->query(id, selector);
        QCOMPARE(got.size(), replies);
        for (int i = 0; i < got.size(); ++i) {
            QVERIFY(got[i].id == id);
            QCOMPARE(got[i].flag, quint8(Frame::Reply));
            if (length >= 0)
                QCOMPARE(got[i].payload.size(), length);
            if (!selector.isEmpty())
                QCOMPARE(got[i].payload.left(selector.size()), selector);
            else if (replies > 1 && id != MessageId {2, 5, 2} && id != MessageId {2, 5, 17})
                QCOMPARE(quint8(got[i].payload[0]), quint8(i)); // port or block index
        }
    }

    void everyRowOfTheTableAnswersABareQuery()
    {
        open(QStringLiteral("8x8+Dante4x4"));
        for (MessageId id : m_device->table().queries())
            QVERIFY2(!m_client->query(id).isEmpty(),
                     qPrintable(QStringLiteral("%1/%2/%3")
                                        .arg(id.type)
                                        .arg(id.subType)
                                        .arg(id.funcId)));
    }

    void outOfRangeSelectorsGetNoReply_data()
    {
        QTest::addColumn<MessageId>("id");
        QTest::addColumn<QByteArray>("selector");
        QTest::newRow("gate channel 17") << MessageId {3, 2, 2} << hex("11");
        QTest::newRow("agc channel 16") << MessageId {3, 16, 1} << hex("10");
        QTest::newRow("in filter channel 17") << MessageId {3, 4, 1} << hex("11");
        QTest::newRow("peq band 8") << MessageId {3, 4, 3} << hex("0008");
        QTest::newRow("out filter channel 16") << MessageId {3, 12, 3} << hex("1000");
        QTest::newRow("in limiter channel 17") << MessageId {3, 5, 1} << hex("11");
        QTest::newRow("out limiter channel 17") << MessageId {3, 13, 1} << hex("11");
        QTest::newRow("matrix output 16") << MessageId {3, 8, 1} << hex("10");
        QTest::newRow("record bank 2") << MessageId {3, 8, 17} << hex("02");
        QTest::newRow("gpio port 8") << MessageId {2, 6, 1} << hex("08");
        QTest::newRow("selector too long") << MessageId {3, 4, 1} << hex("0000");
        QTest::newRow("selector where none") << MessageId {3, 1, 2} << hex("00");
        QTest::newRow("unknown message") << MessageId {3, 30, 1} << QByteArray();
        QTest::newRow("dante without module") << MessageId {4, 1, 1} << QByteArray();
    }
    void outOfRangeSelectorsGetNoReply()
    {
        QFETCH(MessageId, id);
        QFETCH(QByteArray, selector);
        open(QStringLiteral("16x16"));
        QCOMPARE(m_client->query(id, selector).size(), 0);
    }

    void fixedStatesByteForByte_data()
    {
        QTest::addColumn<MessageId>("id");
        QTest::addColumn<QByteArray>("selector");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("high pass of input 3")
                << MessageId {3, 4, 1} << hex("02") << hex("02 000000 0000a041");
        QTest::newRow("low pass of output 1")
                << MessageId {3, 12, 2} << hex("00") << hex("00 000000 00409c46");
        QTest::newRow("third band of input 2")
                << MessageId {3, 4, 3} << hex("0102") << hex("0102 0100 0000fa43 00000000 2b");
        QTest::newRow("limiter of input 1") << MessageId {3, 5, 1} << hex("00")
                                            << hex("00 00 00000000 00000040 00002041 00001743");
        QTest::newRow("gate of USB input")
                << MessageId {3, 2, 2} << hex("10") << hex("10 01 000082c2 0000803f 0000a041");
        QTest::newRow("agc of input 4")
                << MessageId {3, 16, 1} << hex("03")
                << hex("03 00 0000f0c1 0000a0c1 00000040 0000a041 0000a041");
        QTest::newRow("channel configuration")
                << MessageId {2, 2, 5} << QByteArray() << hex("1008");
        QTest::newRow("arm version") << MessageId {2, 2, 2} << QByteArray() << hex("030104");
        QTest::newRow("dante state") << MessageId {2, 2, 33} << QByteArray() << hex("0000");
        QTest::newRow("supply rails") << MessageId {2, 2, 20} << QByteArray() << hex("0101010101");
        QTest::newRow("serial number")
                << MessageId {2, 2, 4} << QByteArray() << QByteArray("VT00020001");
        QTest::newRow("signal generator frequency")
                << MessageId {3, 9, 2} << QByteArray() << f32(1000.0f);
        QTest::newRow("matrix output 6, nothing routed")
                << MessageId {3, 8, 1} << hex("05") << (hex("05") + QByteArray(20, '\0'));
        QTest::newRow("play state") << MessageId {2, 5, 3} << QByteArray() << hex("000000000000");
    }
    void fixedStatesByteForByte()
    {
        QFETCH(MessageId, id);
        QFETCH(QByteArray, selector);
        QFETCH(QByteArray, expected);
        open(QStringLiteral("16x8"));
        QCOMPARE(m_client->ask(id, selector).toHex(' '), expected.toHex(' '));
    }

    void presetListStartsWithTheDefaultSlot()
    {
        open(QStringLiteral("16x16"));
        const QByteArray list = m_client->ask({3, 32, 1});
        QCOMPARE(list.size(), 545);
        QCOMPARE(list.left(18), hex("00 01") + QByteArray("Default").leftJustified(16, '\0'));
        QCOMPARE(list.mid(18), QByteArray(17 * 31, '\0'));
    }
};

QTEST_MAIN(SimRepliesTest)
#include "SimRepliesTest.moc"
