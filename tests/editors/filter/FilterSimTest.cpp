#include "editors/chain/ChainTestSupport.h"

#include "support/TestLinkEnvironment.h"
#include "widgets/PointerEvents.h"

#include "SimDevice.h"

#include "editors/chain/ModuleWidget.h"
#include "editors/filter/FilterGraph.h"
#include "editors/filter/FilterWidget.h"
#include "model/DataModel.h"
#include "widgets/ChannelCopyDialog.h"
#include "widgets/Knob.h"
#include "widgets/MessageBox.h"
#include "widgets/Resources.h"

#include <QGroupBox>
#include <QPushButton>
#include <QSignalSpy>

using namespace ChainTest;

namespace {

bool same(const sim::PassFilter &d, const HlpfFilter &m)
{
    return d.enabled == m.enabled && d.type == m.type && d.slope == m.slope
            && d.frequency == m.frequency;
}

bool same(const sim::EqBand &d, const PeqFilter &m)
{
    return d.enabled == m.enabled && d.type == m.type && d.frequency == m.frequency
            && d.gain == m.gain && d.q == m.q;
}

template<typename Device, typename Mirror> bool sameBlock(const Device &d, const Mirror &m)
{
    bool equal = same(d.highPass, m.hpf) && same(d.lowPass, m.lpf);
    for (int b = 0; b < PeqFilter::BandCount; ++b)
        equal = equal && same(d.eq[size_t(b)], m.peq[size_t(b)]);
    return equal;
}

} // namespace

// The filter pages against the simulated processor: edits reach the device after the throttle,
// a page built afterwards shows the device's values, and copy and reset leave the device and
// the program with the same filters.
class FilterSimTest : public QObject
{
    Q_OBJECT

    FakeClock m_clock;
    std::unique_ptr<sim::SimDevice> m_device;
    std::unique_ptr<DataModel> m_model;
    std::unique_ptr<ModuleWidget> m_module;

    sim::InputSetup &deviceInput(int ch) { return m_device->store().audio.inputs[size_t(ch)]; }
    sim::OutputSetup &deviceOutput(int ch) { return m_device->store().audio.outputs[size_t(ch)]; }

    void connectProgram()
    {
        const quint16 port = m_device->controlPort();
        m_model = std::make_unique<DataModel>(testLinkSettings(port),
                                              testLinkEnvironment(m_clock, ":memory:"));
        m_module = std::make_unique<ModuleWidget>(m_model.get());
        m_module->resize(1200, 620);
        ModuleWidget *module = m_module.get();
        connect(m_model.get(), &DataModel::tcpSyncToUI, module,
                [module](uchar type, uchar subType, uchar funcId, uchar channel, uchar other,
                         const QVariant &) {
                    module->syncFromModel(type, subType, funcId, channel, other);
                });
        m_model->addDeviceByAddress(QHostAddress(QHostAddress::LocalHost).toIPv4Address());
        m_model->selectDevice(0, false);
        QTRY_VERIFY_WITH_TIMEOUT(
                m_model->currentSocket()->state() == QAbstractSocket::ConnectedState, 5000);
        m_model->login(QString::fromLatin1(sim::builtInPassword()), false);
        QTRY_VERIFY_WITH_TIMEOUT(m_model->isLoggedIn(), 5000);
    }

    template<typename T> T *inBox(FilterWidget *w, const char *box, const char *role, int nth = 0)
    {
        int seen = 0;
        for (T *candidate : w->findChild<QGroupBox *>(QLatin1String(box))->findChildren<T *>()) {
            if (candidate->property("control").toString() == QLatin1String(role) && seen++ == nth)
                return candidate;
        }
        return nullptr;
    }

private slots:
    void initTestCase() { initApplicationResources(); }

    void init()
    {
        sim::SimOptions options;
        options.controlPort = 0;
        options.commandPort = 0;
        options.broadcastPort = 9;
        options.timing.announceMs = 3600000;
        options.timing.tickMs = 3600000;
        // A processor of the 5.x DSP firmware: its copy requests carry all 32 mask bits.
        options.identity.dspVersion = {5, 0, 3};
        m_device = std::make_unique<sim::SimDevice>(options, m_clock.clock());
        QVERIFY(m_device->start(QHostAddress::LocalHost, 0) != 0);
        connectProgram();
    }

    void cleanup()
    {
        MessageBox::setResponder({});
        ChannelCopyDialog::setResponder({});
        m_module.reset();
        m_model.reset();
        m_device.reset();
    }

    void bandEditReachesTheDeviceAndSurvivesARebuild()
    {
        m_module->stackedButtonClicked(ModuleWidget::InFilterPage);
        FilterWidget *editor = m_module->inFilterWidget();
        editor->findChild<QPushButton *>("2")->click();
        inBox<QPushButton>(editor, "peqGroupBox", "band", 3)->click();
        typeInto(inBox<QLineEdit>(editor, "peqGroupBox", "gain"), "-7.5");
        typeInto(inBox<QLineEdit>(editor, "peqGroupBox", "freq"), "1234.5");
        inBox<QPushButton>(editor, "peqGroupBox", "type", 2)->click();
        // Throttled: nothing before the period is over.
        QTest::qWait(100);
        QCOMPARE(deviceInput(2).eq[3].gain, 0.0f);
        m_clock.advance(200);
        QTRY_VERIFY_WITH_TIMEOUT(same(deviceInput(2).eq[3], m_model->input(2).peq[3]), 5000);
        QCOMPARE(deviceInput(2).eq[3].frequency, 1234.5f);
        QCOMPARE(deviceInput(2).eq[3].type, quint8(2));

        // A new program (fresh mirror, new page) reads the device's band.
        m_module.reset();
        m_model.reset();
        connectProgram();
        m_module->stackedButtonClicked(ModuleWidget::InFilterPage);
        editor = m_module->inFilterWidget();
        editor->findChild<QPushButton *>("2")->click();
        inBox<QPushButton>(editor, "peqGroupBox", "band", 3)->click();
        QTRY_COMPARE_WITH_TIMEOUT(inBox<QLineEdit>(editor, "peqGroupBox", "gain")->text(),
                                  QString("-7.5"), 5000);
        QCOMPARE(inBox<QLineEdit>(editor, "peqGroupBox", "freq")->text(), QString("1234.5"));
        QVERIFY(inBox<QPushButton>(editor, "peqGroupBox", "type", 2)->isChecked());
        QCOMPARE(editor->graph()->bandPoint(3).y(), editor->graph()->yOf(-7.5));
    }

    void copyAndResetLeaveDeviceAndProgramEqual()
    {
        m_module->stackedButtonClicked(ModuleWidget::OutFilterPage);
        FilterWidget *editor = m_module->outFilterWidget();
        editor->findChild<QPushButton *>("1")->click();
        inBox<QPushButton>(editor, "hpfGroupBox", "enabled")->click();
        typeInto(inBox<QLineEdit>(editor, "hpfGroupBox", "freq"), "95");
        inBox<QPushButton>(editor, "lpfGroupBox", "slope", 4)->click();
        typeInto(inBox<QLineEdit>(editor, "peqGroupBox", "gain"), "9");
        m_clock.advance(200);
        QTRY_VERIFY_WITH_TIMEOUT(sameBlock(deviceOutput(1), m_model->output(1)), 5000);
        QCOMPARE(deviceOutput(1).highPass.frequency, 95.0f);

        QTRY_COMPARE_WITH_TIMEOUT(int(m_model->deviceInfo().dspVersion[0]), 5, 5000);
        ChannelCopyDialog::setResponder([](ChannelCopyDialog &) {
            return std::optional<ChannelCopyDialog::Selection>(
                    ChannelCopyDialog::Selection {0x10005, 0x8});
        });
        editor->findChild<QPushButton *>("copyToButton")->click();
        for (int ch : {0, 2, 16})
            QTRY_VERIFY_WITH_TIMEOUT(sameBlock(deviceInput(ch), m_model->input(ch)), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(sameBlock(deviceOutput(3), m_model->output(3)), 5000);
        QCOMPARE(deviceInput(16).eq[0].gain, 9.0f);
        QVERIFY(sameBlock(deviceInput(1), m_model->input(1)));
        QCOMPARE(deviceInput(1).eq[0].gain, 0.0f);

        MessageBox::setResponder([](const MessageBox::Request &) { return 0; });
        editor->findChild<QPushButton *>("resetButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!deviceOutput(1).highPass.enabled, 5000);
        QVERIFY(sameBlock(deviceOutput(1), m_model->output(1)));
        QCOMPARE(deviceOutput(1).eq[0].gain, 0.0f);
        QCOMPARE(inBox<QLineEdit>(editor, "peqGroupBox", "gain")->text(), QString("0.0"));
    }
};

QTEST_MAIN(FilterSimTest)
#include "FilterSimTest.moc"
