// Set requests built with the program's payload builders, sent by the device model to the
// simulated processor: each one changes exactly what it names on the processor.
#include "SimLink.h"

#include "wire/ByteWriter.h"
#include "wire/LocalText.h"
#include "model/SetPayload.h"

#include <QDateTime>

namespace {

using Store = sim::SimStore;
using Check = std::function<bool(const Store &)>;

struct SetRow
{
    const char *name;
    MessageId id;
    QByteArray payload;
    Check applied;
};

QByteArray f32(float v)
{
    return ByteWriter(4).f32(v);
}

const GateParams Gate {0, -40.5f, 5.0f, 300.0f};
const AgcParams Agc {1, -50.0f, -12.5f, 4.0f, 40.0f, 900.0f};
const HlpfFilter Hpf {1, 2, 5, 180.0f};
const PeqFilter Band {0, 1, 2500.0f, -7.5f, 60};
const LimiterParams Limit {1, -12.0f, 8.0f, 3.0f, 400.0f};

bool sameFilter(const sim::PassFilter &s, const HlpfFilter &f)
{
    return s.enabled == f.enabled && s.type == f.type && s.slope == f.slope
            && s.frequency == f.frequency;
}

bool sameBand(const sim::EqBand &s, const PeqFilter &f)
{
    return s.enabled == f.enabled && s.type == f.type && s.frequency == f.frequency
            && s.gain == f.gain && s.q == f.q;
}

bool sameLimiter(const sim::Limiter &s, const LimiterParams &l)
{
    return s.enabled == l.enabled && s.threshold == l.threshold && s.ratio == l.ratio
            && s.attack == l.attack && s.release == l.release;
}

std::vector<SetRow> rows()
{
    using namespace SetPayload;
    ::GpioPort port;
    port.kind = 2;
    port.settings.fill(0x5A);
    port.settings[0] = 31; // preset slot 32
    // Channel 2's filters to input 14 and output 15 (low mask halves), and with the wide masks
    // also to input 16.
    const QByteArray copyFrom2 = QByteArray(1, char(2)) + channelCopy(1u << 14, 1u << 15, false);
    const QByteArray wideCopyFrom2 = QByteArray(1, char(2)) + channelCopy(1u << 16, 0, true);
    return {
            {"input mute", Msg::InputMute, channelByte(3, 1),
             [](const Store &s) { return s.audio.inputs[3].mute == 1; }},
            {"input mode USB", Msg::InputMode, channelByte(1, 2),
             [](const Store &s) { return s.audio.inputs[1].mode == 2; }},
            {"phantom", Msg::InputPhantom, channelByte(15, 1),
             [](const Store &s) { return s.audio.inputs[15].phantom == 1; }},
            {"input gain", Msg::InputGain, channelFloat(2, 33.5f),
             [](const Store &s) { return s.audio.inputs[2].gain == 33.5f; }},
            {"gate", Msg::GateParams, gate(16, Gate),
             [](const Store &s) {
                 const sim::Gate &g = s.audio.inputs[16].gate;
                 return g.enabled == 0 && g.threshold == Gate.threshold && g.attack == Gate.attack
                         && g.release == Gate.release;
             }},
            {"feedback", Msg::FeedbackEnable, channelByte(15, 1),
             [](const Store &s) { return s.audio.inputs[15].feedback == 1; }},
            {"input high pass", Msg::InFilterHPF, hlpf(16, Hpf),
             [](const Store &s) { return sameFilter(s.audio.inputs[16].highPass, Hpf); }},
            {"input low pass", Msg::InFilterLPF, hlpf(0, Hpf),
             [](const Store &s) { return sameFilter(s.audio.inputs[0].lowPass, Hpf); }},
            {"input band", Msg::InFilterPEQ, peq(16, 7, Band),
             [](const Store &s) { return sameBand(s.audio.inputs[16].eq[7], Band); }},
            {"input filter copy", Msg::InFilterCopy, copyFrom2,
             [](const Store &s) {
                 return s.audio.inputs[14].lowPass.frequency == 7777.0f
                         && s.audio.outputs[15].lowPass.frequency == 7777.0f;
             }},
            {"input filter copy, wide masks", Msg::InFilterCopy, wideCopyFrom2,
             [](const Store &s) {
                 return s.audio.inputs[16].lowPass.frequency == 7777.0f
                         && sameBand(s.audio.inputs[16].eq[7], PeqFilter::startBands()[7]);
             }},
            {"input limiter", Msg::InLimiter, limiter(16, Limit),
             [](const Store &s) { return sameLimiter(s.audio.inputs[16].limiter, Limit); }},
            {"input limiter gain", Msg::InLimiterGain, channelFloat(16, 7.5f),
             [](const Store &s) { return s.audio.inputs[16].limiterGain == 7.5f; }},
            {"input delay", Msg::InDelay, channelFloat(15, 250.0f),
             [](const Store &s) { return s.audio.inputs[15].delay == 250.0f; }},
            {"pre-mix mute", Msg::PreMixMute, channelByte(16, 1),
             [](const Store &s) { return s.audio.inputs[16].preMixMute == 1; }},
            {"pre-mix gain", Msg::PreMixGain, channelFloat(16, -20.0f),
             [](const Store &s) { return s.audio.inputs[16].preMixGain == -20.0f; }},
            {"pre-mix gain step", Msg::PreMixGainStep, channelFloat(13, 2.5f),
             [](const Store &s) { return s.audio.inputs[13].preMixGain == 2.5f; }},
            {"pre-mix invert", Msg::PreMixInvert, channelByte(4, 1),
             [](const Store &s) { return s.audio.inputs[4].invert == 1; }},
            {"pre-mix group", Msg::PreMixGroup, channelByte(5, 8),
             [](const Store &s) { return s.audio.inputs[5].group == 8; }},
            {"pre-mix fader limits", Msg::PreMixGainRange, gainRange(6, 6.7f, -30.2f),
             [](const Store &s) {
                 return s.audio.inputs[6].gainMax == 6.0f && s.audio.inputs[6].gainMin == -30.0f;
             }},
            {"priority", Msg::PreMixPriority, channelByte(7, 1),
             [](const Store &s) { return s.audio.inputs[7].priority == 1; }},
            {"matrix routes", Msg::MatrixRoute, matrix(3, {0, 16, 18, 19}, 1),
             [](const Store &s) {
                 const auto &m = s.audio.matrix;
                 return m[0].route[3] && m[16].route[3] && m[sim::EchoSource].route[3]
                         && m[sim::NoiseSource].route[3] && !m[1].route[3];
             }},
            {"matrix gain off", Msg::MatrixGain, matrix(4, {1, 2}, quint8(qint8(-70))),
             [](const Store &s) {
                 return s.audio.matrix[1].gain[4] == -70 && s.audio.matrix[2].gain[4] == -70;
             }},
            {"generator output", Msg::SigGenOutputs, channelByte(9, 1),
             [](const Store &s) { return s.audio.generator.outputs[9] == 1; }},
            {"generator frequency", Msg::SigGenFreq, f32(440.0f),
             [](const Store &s) { return s.audio.generator.frequency == 440.0f; }},
            {"generator gain", Msg::SigGenGain, f32(-6.0f),
             [](const Store &s) { return s.audio.generator.gain == -6.0f; }},
            {"output mute", Msg::OutMute, channelByte(16, 1),
             [](const Store &s) { return s.audio.outputs[16].mute == 1; }},
            {"output gain", Msg::OutGain, channelFloat(16, -3.0f),
             [](const Store &s) { return s.audio.outputs[16].gain == -3.0f; }},
            {"output fader limits", Msg::OutGainRange, gainRange(2, 11.9f, -55.5f),
             [](const Store &s) {
                 return s.audio.outputs[2].gainMax == 11.0f && s.audio.outputs[2].gainMin == -55.0f;
             }},
            {"output band", Msg::OutFilterPEQ, peq(15, 0, Band),
             [](const Store &s) { return sameBand(s.audio.outputs[15].eq[0], Band); }},
            {"output limiter", Msg::OutLimiter, limiter(16, Limit),
             [](const Store &s) { return sameLimiter(s.audio.outputs[16].limiter, Limit); }},
            {"output delay", Msg::OutDelay, channelFloat(15, 1500.0f),
             [](const Store &s) { return s.audio.outputs[15].delay == 1500.0f; }},
            {"AGC", Msg::Agc, agc(15, Agc),
             [](const Store &s) {
                 const sim::Agc &a = s.audio.inputs[15].agc;
                 return a.enabled == 1 && a.threshold == Agc.threshold && a.target == Agc.target
                         && a.ratio == Agc.ratio && a.attack == Agc.attack
                         && a.release == Agc.release;
             }},
            {"auto-mixer weight", Msg::AutoMixWeight, channelFloat(15, -7.5f),
             [](const Store &s) { return s.audio.autoMixer.weight[15] == -7.5f; }},
            {"auto-mixer group", Msg::AutoMixGroup, channelByte(2, 2),
             [](const Store &s) { return s.audio.autoMixer.group[2] == 2; }},
            {"auto-mixer enable", Msg::AutoMixEnable, channelByte(1, 1),
             [](const Store &s) { return s.audio.autoMixer.enabled[1] == 1; }},
            {"input label", Msg::InputLabels,
             indexedText(16, LocalText::encode(QStringLiteral("主席台话筒"))),
             [](const Store &s) {
                 return LocalText::decode(s.system.inputLabels[16]) == QStringLiteral("主席台话筒");
             }},
            {"output label, 16 bytes", Msg::OutputLabels, indexedText(0, QByteArray(16, 'L')),
             [](const Store &s) { return s.system.outputLabels[0] == QByteArray(16, 'L'); }},
            {"short label", Msg::InputShortLabels, indexedText(3, "Pult 3"),
             [](const Store &s) { return s.system.shortLabels[3] == "Pult 3"; }},
            {"GPIO port", Msg::GpioPort, gpioPort(7, port),
             [](const Store &s) {
                 const auto &g = s.system.gpio[7];
                 return g[0] == 2 && g[1] == 31 && g[64] == 0x5A;
             }},
    };
}

} // namespace

class SetSimTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimLink> link;

private slots:
    void initTestCase()
    {
        link = std::make_unique<SimLink>();
        QVERIFY(link->started());
        QVERIFY(link->open());
        // The copy row copies channel 2's filters; give them something to copy.
        link->device->store().audio.inputs[2].lowPass.frequency = 7777.0f;
    }

    void cleanupTestCase() { link.reset(); }

    void setReachesTheProcessor_data()
    {
        QTest::addColumn<int>("row");
        const std::vector<SetRow> all = rows();
        for (size_t i = 0; i < all.size(); ++i)
            QTest::addRow("%s", all[i].name) << int(i);
    }
    void setReachesTheProcessor()
    {
        QFETCH(int, row);
        const SetRow set = rows()[size_t(row)];
        const Store &store = link->device->store();
        QVERIFY(!set.applied(store));
        link->model->sendWrite(set.id, set.payload);
        QVERIFY(SimLink::waitFor([&] { return set.applied(store); }));
    }

    // A preset saved on the processor shows in the preset list; loading it reports its
    // progress step by step and brings the saved set-up back.
    void presetSaveAndLoad()
    {
        sim::SimStore &store = link->device->store();
        store.audio.outputs[5].delay = 123.0f;
        link->model->sendWrite(Msg::PresetSave, QByteArray(1, char(5)));
        QVERIFY(SimLink::waitFor([&] { return link->model->mirror().presets.used[5] == 1; }));
        QCOMPARE(link->model->mirror().presets.current, quint8(5));
        QCOMPARE(link->model->mirror().presets.names[5], LocalText::decode(store.presets[5].name));

        store.audio.outputs[5].delay = 0.0f;
        QList<int> progress;
        connect(link->model.get(), &DataModel::tcpSyncToUI,
                [&](uchar type, uchar subType, uchar funcId, uchar channel, uchar, QVariant) {
                    if (MessageId {type, subType, funcId} == Msg::PresetActive)
                        progress << channel;
                });
        link->model->sendWrite(Msg::PresetActive, QByteArray(1, char(5)));
        QVERIFY(SimLink::waitFor([&] { return progress.size() == 6; }));
        QCOMPARE(progress, (QList<int> {0, 20, 40, 60, 80, 100}));
        QCOMPARE(link->model->mirror().presets.loadProgress, quint8(100));
        QCOMPARE(store.audio.outputs[5].delay, 123.0f);
    }

    // The clock set after the login follows the PC's local time; a later set moves it.
    void clockSet()
    {
        const QDateTime local(QDate(2031, 12, 31), QTime(23, 59, 58), Qt::LocalTime);
        link->model->sendWrite(Msg::SysDateTime, SetPayload::dateTime(local));
        const Store &store = link->device->store();
        QVERIFY(SimLink::waitFor([&] { return store.dateTime() == SetPayload::dateTime(local); }));
    }
};

QTEST_GUILESS_MAIN(SetSimTest)
#include "SetSimTest.moc"
