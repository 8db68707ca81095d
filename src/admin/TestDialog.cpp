#include "TestDialog.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"
#include "widgets/GroupBox.h"
#include "wire/ByteWriter.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int Channels = 16;

const char *const ChipNames[TestDialog::ChipCount] = {
        "PCA9539-1", "PCA9539-2", "PCA9539-3", "PCA9539-4", "WM8978", "PCF8563", "PCA9554"};

void setStatus(QLabel *label, const char *status)
{
    if (label->property("status").toByteArray() == status)
        return;
    label->setProperty("status", QByteArray(status));
    label->style()->unpolish(label);
    label->style()->polish(label);
}

} // namespace

TestDialog::TestDialog(DataModel *model, QWidget *parent)
    : Dialog(parent), m_model(model), m_agingTestButton(new QPushButton(this)),
      m_phantomButton(new QPushButton(this)), m_temperatureLabel(new QLabel(this)),
      m_agingGroup(new GroupBox(this)), m_chipGroup(new GroupBox(this)),
      m_temperatureGroup(new GroupBox(this))
{
    setObjectName(QStringLiteral("testDialog"));

    m_agingTestButton->setObjectName(QStringLiteral("agingTestButton"));
    m_agingTestButton->setCheckable(true);
    connect(m_agingTestButton, &QPushButton::clicked, this, &TestDialog::agingTestButtonClicked);
    auto *agingLayout = new QHBoxLayout(m_agingGroup);
    agingLayout->addWidget(m_agingTestButton);

    auto *chipLayout = new QGridLayout(m_chipGroup);
    for (int i = 0; i < ChipCount; ++i) {
        auto *name = new QLabel(QLatin1String(ChipNames[i]), m_chipGroup);
        m_chipStates[size_t(i)] = new QLabel(m_chipGroup);
        m_chipStates[size_t(i)]->setObjectName(QLatin1String(ChipNames[i]));
        chipLayout->addWidget(name, i, 0);
        chipLayout->addWidget(m_chipStates[size_t(i)], i, 1, Qt::AlignRight);
    }

    m_temperatureLabel->setObjectName(QStringLiteral("temperatureLabel"));
    auto *temperatureLayout = new QHBoxLayout(m_temperatureGroup);
    temperatureLayout->addWidget(m_temperatureLabel);

    m_phantomButton->setObjectName(QStringLiteral("phantomButton"));
    m_phantomButton->setCheckable(true);
    connect(m_phantomButton, &QPushButton::clicked, this, &TestDialog::_48VButtonClicked);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_agingGroup);
    layout->addWidget(m_chipGroup);
    layout->addWidget(m_temperatureGroup);
    layout->addWidget(m_phantomButton);
    setMinimumWidth(260);

    m_blinkTimer.setInterval(BlinkMs);
    connect(&m_blinkTimer, &QTimer::timeout, this, &TestDialog::timeout);

    retranslate();
    showChipStates();
    showTemperature();
}

QStringList TestDialog::chipNames()
{
    QStringList names;
    for (const char *name : ChipNames)
        names << QLatin1String(name);
    return names;
}

void TestDialog::agingTestButtonClicked(bool on)
{
    // On: pink noise at -10 dB on every output. Off: the generator leaves the outputs again.
    // Both times the delays go out with the values the program holds, so the device runs the
    // test (and comes back from it) with the delays the user set.
    SignalGeneratorState &generator = m_model->mirror().signalGenerator;
    if (on) {
        generator.type = AgingGeneratorType;
        generator.gain = AgingGeneratorGain;
        m_model->sendWrite(Msg::SigGenType, ByteWriter().u8(quint8(generator.type)));
        m_model->sendWrite(Msg::SigGenGain, ByteWriter().f32(generator.gain));
        m_model->announce(Msg::SigGenType);
        m_model->announce(Msg::SigGenGain);
    }
    for (int out = 0; out < Channels; ++out) {
        generator.outputs[size_t(out)] = on ? 1 : 0;
        m_model->sendWrite(Msg::SigGenOutputs, SetPayload::channelByte(quint8(out), on ? 1 : 0));
        m_model->announce(Msg::SigGenOutputs, quint8(out));
    }
    sendDelays();
    m_agingTestButton->setText(on ? tr("Stop") : tr("Start"));
}

void TestDialog::sendDelays()
{
    for (int ch = 0; ch < Channels; ++ch)
        m_model->sendWrite(Msg::InDelay,
                           SetPayload::channelFloat(quint8(ch), m_model->input(ch).delay));
    for (int ch = 0; ch < Channels; ++ch)
        m_model->sendWrite(Msg::OutDelay,
                           SetPayload::channelFloat(quint8(ch), m_model->output(ch).delay));
}

void TestDialog::_48VButtonClicked(bool on)
{
    // Phantom power on every input at once: the +48 V rail under full load.
    for (int ch = 0; ch < Channels; ++ch) {
        m_model->input(ch).phantom = on ? 1 : 0;
        m_model->sendWrite(Msg::InputPhantom, SetPayload::channelByte(quint8(ch), on ? 1 : 0));
        m_model->announce(Msg::InputPhantom, quint8(ch));
    }
}

void TestDialog::timeout()
{
    m_blinkOn = !m_blinkOn;
    const quint32 failures = m_model->deviceInfo().chipFailures;
    for (int i = 0; i < ChipCount; ++i)
        if (failures & (1u << i))
            setStatus(m_chipStates[size_t(i)], m_blinkOn ? "2" : "0");
    m_model->sendRead(Msg::SysChipDetect);
    m_model->sendRead(Msg::SysTemperature);
}

void TestDialog::tcpSyncToUI(uchar type, uchar subType, uchar funcId, uchar, uchar,
                             const QVariant &)
{
    const MessageId id {type, subType, funcId};
    if (id == Msg::SysChipDetect)
        showChipStates();
    else if (id == Msg::SysTemperature)
        showTemperature();
}

void TestDialog::showChipStates()
{
    const quint32 failures = m_model->deviceInfo().chipFailures;
    for (int i = 0; i < ChipCount; ++i) {
        const bool failed = failures & (1u << i);
        m_chipStates[size_t(i)]->setText(failed ? tr("Error") : tr("Normal"));
        setStatus(m_chipStates[size_t(i)], failed ? "2" : "1");
    }
    m_blinkOn = true;
}

void TestDialog::showTemperature()
{
    m_temperatureLabel->setText(
            tr("%1 ℃").arg(double(m_model->deviceInfo().temperature), 0, 'f', 1));
}

void TestDialog::showEvent(QShowEvent *event)
{
    Dialog::showEvent(event);
    bool allPhantom = true;
    for (int ch = 0; ch < Channels; ++ch)
        allPhantom = allPhantom && m_model->input(ch).phantom;
    m_phantomButton->setChecked(allPhantom);
    showChipStates();
    showTemperature();
    m_blinkTimer.start();
    m_model->sendRead(Msg::SysChipDetect);
    m_model->sendRead(Msg::SysTemperature);
}

void TestDialog::hideEvent(QHideEvent *event)
{
    m_blinkTimer.stop();
    Dialog::hideEvent(event);
}

void TestDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    Dialog::changeEvent(event);
}

void TestDialog::retranslate()
{
    setWindowTitle(tr("Test"));
    m_agingGroup->setTitle(tr("Aging Test"));
    m_chipGroup->setTitle(tr("IC Detect"));
    m_temperatureGroup->setTitle(tr("Temp"));
    m_agingTestButton->setText(m_agingTestButton->isChecked() ? tr("Stop") : tr("Start"));
    m_phantomButton->setText(tr("+48V"));
    showChipStates();
    showTemperature();
}
