#include "SimClient.h"

using namespace sim;

// The replies of the simulated processor: every query of the poll gets the catalogue's layout,
// selectors are honoured, and a few fixed states are answered byte for byte.
class SimRepliesTest : public SimTestCase
{
    Q_OBJECT

    static QString name(MessageId id, const QByteArray &selector)
    {
        return QStringLiteral("%1/%2/%3 [%4]")
                .arg(id.type)
                .arg(id.subType)
                .arg(id.funcId)
                .arg(QString::fromLatin1(selector.toHex()));
    }

private slots:
    void cleanup() { stop(); }

    void everyPolledQueryHasItsLayout()
    {
        struct Layout
        {
            quint8 type, subType, funcId;
            const char *selector;
            int length; // -1: any length (texts)
            int replies = 1;
        };
        // Meters (100 ms), system status (200 ms), the module shown, the open dialogs; the
        // gpio ports all in order when none is named, lists with one reply per file.
        const Layout layouts[] = {
                {3, 1, 1, "", 18},    {3, 7, 7, "", 18},      {3, 11, 8, "", 18},
                {3, 11, 1, "", 18},   {3, 18, 5, "", 32},     {2, 2, 33, "", 2},
                {2, 2, 34, "", 1},    {2, 2, 35, "", 4},      {2, 2, 5, "", 2},
                {2, 2, 2, "", 3},     {2, 2, 3, "", 3},       {2, 2, 10, "", -1},
                {2, 2, 11, "", -1},   {2, 2, 19, "", 8},      {2, 2, 16, "", 1},
                {2, 2, 24, "", 4},    {2, 2, 4, "", -1},      {2, 2, 29, "", 4},
                {2, 2, 14, "", 1},    {2, 2, 20, "", 5},      {2, 3, 1, "", 288},
                {2, 3, 2, "", 288},   {2, 16, 1, "", 5},      {2, 16, 2, "", 1},
                {3, 1, 2, "", 16},    {3, 1, 4, "", 16},      {3, 1, 5, "", 16},
                {3, 1, 8, "", 64},    {3, 2, 1, "", 18},      {3, 2, 2, "00", 14},
                {3, 2, 2, "10", 14},  {3, 16, 1, "0f", 22},   {3, 3, 1, "", 16},
                {3, 4, 1, "10", 8},   {3, 4, 2, "03", 8},     {3, 4, 3, "1007", 13},
                {3, 5, 1, "10", 18},  {3, 5, 4, "", 72},      {3, 6, 1, "", 64},
                {3, 17, 1, "", 16},   {3, 17, 2, "", 6},      {3, 8, 1, "0f", 21},
                {3, 8, 2, "00", 21},  {3, 15, 1, "", 1},      {3, 15, 2, "", 17},
                {3, 15, 17, "", 11},  {3, 7, 1, "", 18},      {3, 7, 3, "", 18},
                {3, 7, 4, "", 18},    {3, 7, 8, "", 18},      {3, 7, 2, "", 72},
                {3, 7, 6, "", 144},   {3, 18, 1, "", 64},     {3, 18, 2, "", 16},
                {3, 18, 3, "", 2},    {3, 9, 5, "", 1},       {3, 9, 3, "", 1},
                {3, 9, 2, "", 4},     {3, 9, 4, "", 4},       {3, 9, 1, "", 16},
                {3, 11, 2, "", 18},   {3, 11, 4, "", 18},     {3, 11, 5, "", 18},
                {3, 11, 3, "", 72},   {3, 11, 7, "", 144},    {3, 12, 1, "0f", 8},
                {3, 12, 2, "00", 8},  {3, 12, 3, "0f07", 13}, {3, 13, 1, "10", 18},
                {3, 14, 1, "", 64},   {2, 3, 3, "", 180},     {3, 32, 1, "", 545},
                {2, 5, 5, "", -1},    {2, 5, 1, "", 4},       {2, 5, 3, "", 6},
                {2, 5, 20, "", -1},   {2, 5, 16, "", 4},      {2, 5, 18, "", 5},
                {3, 11, 9, "", 1},    {3, 8, 17, "01", 37},   {2, 2, 1, "", -1},
                {2, 2, 13, "", 12},   {2, 2, 39, "", 6},      {2, 2, 6, "", 4},
                {2, 2, 7, "", 4},     {2, 2, 8, "", 4},       {2, 2, 9, "", 4},
                {2, 2, 12, "", 7},    {2, 2, 17, "", 4},      {2, 2, 18, "", 4},
                {2, 2, 23, "", 1},    {2, 2, 40, "", 1},      {2, 2, 32, "", 1},
                {2, 2, 37, "", 1},    {2, 6, 1, "", 66, 8},   {2, 6, 1, "07", 66},
                {4, 1, 1, "", 94},    {4, 1, 3, "", 2},       {4, 1, 4, "", 65, 4},
                {2, 5, 2, "", -1, 5}, {2, 5, 17, "", -1, 2},
        };
        QVERIFY(open(testOptions(QStringLiteral("12x12+Dante4x4")), false));
        for (const Layout &l : layouts) {
            const MessageId id {l.type, l.subType, l.funcId};
            const QByteArray selector = hex(l.selector);
            const QString row = name(id, selector);
            const QList<SimClient::Reply> got = m_client->query(id, selector);
            QVERIFY2(got.size() == l.replies, qPrintable(row));
            const bool indexed = l.replies > 1 && l.length >= 0; // port or block index first
            for (int i = 0; i < got.size(); ++i) {
                QVERIFY2(got[i].id == id && got[i].flag == Frame::Reply, qPrintable(row));
                QVERIFY2(l.length < 0 || got[i].payload.size() == l.length, qPrintable(row));
                QVERIFY2(got[i].payload.startsWith(selector), qPrintable(row));
                QVERIFY2(!indexed || quint8(got[i].payload[0]) == i, qPrintable(row));
            }
        }
    }

    void everyRowOfTheTableAnswersABareQuery()
    {
        QVERIFY(open(testOptions(QStringLiteral("8x8+Dante4x4")), false));
        for (MessageId id : m_device->table().queries())
            QVERIFY2(!m_client->query(id).isEmpty(), qPrintable(name(id, {})));
    }

    void outOfRangeSelectorsGetNoReply()
    {
        const std::pair<MessageId, const char *> cases[] = {
                {{3, 2, 2}, "11"}, // gate channel 17
                {{3, 16, 1}, "10"}, // agc channel 16
                {{3, 4, 1}, "11"}, // input filter channel 17
                {{3, 4, 3}, "0008"}, // eq band 8
                {{3, 12, 3}, "1000"}, // output filter channel 16
                {{3, 5, 1}, "11"}, // input limiter channel 17
                {{3, 13, 1}, "11"}, // output limiter channel 17
                {{3, 8, 1}, "10"}, // matrix output 16
                {{3, 8, 17}, "02"}, // record bank 2
                {{2, 6, 1}, "08"}, // gpio port 8
                {{3, 4, 1}, "0000"}, // selector too long
                {{3, 1, 2}, "00"}, // selector where none
                {{3, 30, 1}, ""}, // unknown message
                {{4, 1, 1}, ""}, // dante without its module
        };
        QVERIFY(open(testOptions(), false));
        for (const auto &[id, selector] : cases)
            QVERIFY2(m_client->query(id, hex(selector)).isEmpty(),
                     qPrintable(name(id, hex(selector))));
    }

    void fixedStatesByteForByte()
    {
        const std::tuple<MessageId, const char *, QByteArray> cases[] = {
                {{3, 4, 1}, "02", hex("02 000000 0000a041")}, // high pass of input 3
                {{3, 12, 2}, "00", hex("00 000000 00409c46")}, // low pass of output 1
                {{3, 4, 3}, "0102", hex("0102 0100 0000fa43 00000000 2b")}, // band 3, input 2
                {{3, 5, 1}, "00", hex("00 00 00000000 00000040 00002041 00001743")}, // limiter
                {{3, 2, 2}, "10", hex("10 01 000082c2 0000803f 0000a041")}, // gate of USB input
                {{3, 16, 1}, "03", hex("03 00 0000f0c1 0000a0c1 00000040 0000a041 0000a041")},
                {{2, 2, 5}, "", hex("1008")}, // channel configuration
                {{2, 2, 2}, "", hex("030104")}, // arm version
                {{2, 2, 33}, "", hex("0000")}, // dante state
                {{2, 2, 20}, "", hex("0101010101")}, // supply rails
                {{2, 2, 4}, "", QByteArray("VT00020001")}, // serial number
                {{3, 9, 2}, "", f32(1000.0f)}, // signal generator frequency
                {{3, 8, 1}, "05", hex("05") + QByteArray(20, '\0')}, // output 6, nothing routed
                {{2, 5, 3}, "", hex("000000000000")}, // play state
        };
        QVERIFY(open(testOptions(QStringLiteral("16x8")), false));
        for (const auto &[id, selector, expected] : cases)
            QCOMPARE(m_client->ask(id, hex(selector)).toHex(' '), expected.toHex(' '));

        const QByteArray list = m_client->ask({3, 32, 1}); // presets: the default slot first
        QCOMPARE(list.size(), 545);
        QCOMPARE(list.left(18), hex("00 01") + QByteArray("Default").leftJustified(16, '\0'));
        QCOMPARE(list.mid(18), QByteArray(17 * 31, '\0'));
    }
};

QTEST_MAIN(SimRepliesTest)
#include "SimRepliesTest.moc"
