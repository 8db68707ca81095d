#include "AGCWidget.h"

#include "AGCGraph.h"
#include "ChannelButtonBar.h"
#include "DynamicsControl.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"
#include "widgets/Knob.h"
#include "widgets/LineEdit.h"
#include "wire/ByteWriter.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const KnobScale LevelScale {-1200, 0, 10, 1}; // threshold and target, dB
const KnobScale RatioScale {10, 1000, 10, 1};
const KnobScale TimeScale {20, 1000}; // attack and decay, ms

// Whether a throttled write of the channel's record still waits to be sent.
bool writePending(const DataModel &model, int channel)
{
    for (const PendingWrite &write : model.pendingWrites()) {
        if (write.id == Msg::Agc && write.channel == channel)
            return true;
    }
    return false;
}

} // namespace

AGCWidget::AGCWidget(DataModel *model, QWidget *parent)
    : DynamicsEditor(model, Inputs, Channels, new AGCGraph, parent),
      m_graph(findChild<AGCGraph *>()), m_threshold(addControl(LevelScale, "threshold")),
      m_target(addControl(LevelScale, "target")), m_ratio(addControl(RatioScale, "ratio")),
      m_attack(addControl(TimeScale, "attack")), m_decay(addControl(TimeScale, "decay"))
{
    setObjectName(QStringLiteral("agcWidget"));
    connect(channelBar()->group(), &QButtonGroup::idClicked, this,
            &AGCWidget::channelButtonGroupButtonClicked);
    connect(copyToButton(), &QPushButton::clicked, this, &AGCWidget::copyToButtonClicked);
    connect(resetButton(), &QPushButton::clicked, this, &AGCWidget::resetButtonClicked);
    connect(enabledButton(), &QPushButton::clicked, this, &AGCWidget::enabledButtonClicked);
    connect(m_threshold->knob(), &Knob::valueChanged, this, &AGCWidget::thresholdKnobValueChanged);
    connect(m_threshold->edit(), &QLineEdit::editingFinished, this,
            &AGCWidget::thresholdEditEditingFinished);
    connect(m_target->knob(), &Knob::valueChanged, this, &AGCWidget::targetKnobValueChanged);
    connect(m_target->edit(), &QLineEdit::editingFinished, this,
            &AGCWidget::targetEditEditingFinished);
    connect(m_ratio->knob(), &Knob::valueChanged, this, &AGCWidget::ratioKnobValueChanged);
    connect(m_ratio->edit(), &QLineEdit::editingFinished, this,
            &AGCWidget::ratioEditEditingFinished);
    connect(m_attack->knob(), &Knob::valueChanged, this, &AGCWidget::attackKnobValueChanged);
    connect(m_attack->edit(), &QLineEdit::editingFinished, this,
            &AGCWidget::attackEditEditingFinished);
    connect(m_decay->knob(), &Knob::valueChanged, this, &AGCWidget::decayKnobValueChanged);
    connect(m_decay->edit(), &QLineEdit::editingFinished, this,
            &AGCWidget::decayEditEditingFinished);

    retranslateFrame();
    retranslate();
    showChannel();
}

AgcParams &AGCWidget::agc() const
{
    return model()->input(channel()).agc;
}

void AGCWidget::showChannel()
{
    const AgcParams &a = agc();
    const QSignalBlocker quiet(enabledButton());
    enabledButton()->setChecked(a.enabled != 0);
    m_threshold->showValue(a.threshold);
    m_target->showValue(a.target);
    m_ratio->showValue(a.ratio);
    m_attack->showValue(a.attack);
    m_decay->showValue(a.release);
    showGraph(a);
}

void AGCWidget::showGraph(const AgcParams &a)
{
    m_graph->setThreshold(a.threshold);
    m_graph->setTarget(a.target);
    m_graph->setRatio(a.ratio);
    m_graph->setBypass(a.enabled == 0);
    m_graph->update();
}

void AGCWidget::retranslate()
{
    m_threshold->setCaption(tr("Threshold") + QLatin1Char(' ') + tr("(dB)"));
    m_target->setCaption(tr("Target") + QLatin1Char(' ') + tr("(dB)"));
    m_ratio->setCaption(tr("Ratio"));
    m_attack->setCaption(tr("Attack") + QLatin1Char(' ') + tr("(ms)"));
    m_decay->setCaption(tr("Decay") + QLatin1Char(' ') + tr("(ms)"));
}

void AGCWidget::store(const AgcParams &changed)
{
    showGraph(changed);
    AgcParams &a = agc();
    if (a == changed)
        return;
    a = changed;
    const auto ch = quint8(channel());
    model()->queueWrite(Msg::Agc, ch, 255, SetPayload::agc(ch, a));
}

void AGCWidget::change(float AgcParams::*field, double value)
{
    AgcParams a = agc();
    a.*field = float(value);
    store(a);
}

void AGCWidget::channelButtonGroupButtonClicked(int channel)
{
    if (channel < 0 || channel >= channelCount())
        return;
    loadChannel(channel);
    // The poll reads the channel on screen.
    model()->setCurrentChannel(quint8(channel));
    emit channelChanged(channel);
}

void AGCWidget::copyToButtonClicked()
{
    const QString sourceName = channelName(Inputs, channel());
    const auto chosen =
            ChannelCopyDialog::choose(this, ChannelCopyDialog::titleFor(tr("AGC Copy"), sourceName),
                                      copyTargets(Inputs, Channels), {});
    if (!chosen)
        return;
    const AgcParams a = agc();
    const auto source = quint8(channel());
    // The device copies what it has: a change still waiting in the throttle goes first.
    if (writePending(*model(), source))
        model()->sendWrite(Msg::Agc, SetPayload::agc(source, a));
    for (int ch = 0; ch < Channels; ++ch) {
        if (chosen->inputs & (1u << ch))
            model()->input(ch).agc = a;
    }
    model()->sendWrite(Msg::AgcCopy, ByteWriter(3).u8(source).u16(quint16(chosen->inputs)));
}

void AGCWidget::resetButtonClicked()
{
    if (!confirmReset(tr("Are you sure that you want to reset the agc of the selected channel?")))
        return;
    agc() = AgcParams();
    showChannel();
    const auto ch = quint8(channel());
    model()->sendWrite(Msg::AgcReset, ByteWriter(1).u8(ch));
    // A change still waiting in the throttle would undo the reset: it carries the start values.
    if (writePending(*model(), ch))
        model()->queueWrite(Msg::Agc, ch, 255, SetPayload::agc(ch, agc()));
}

void AGCWidget::enabledButtonClicked(bool on)
{
    AgcParams a = agc();
    a.enabled = on ? 1 : 0;
    store(a);
}

void AGCWidget::thresholdKnobValueChanged(int value)
{
    change(&AgcParams::threshold, m_threshold->knobMoved(value));
}

void AGCWidget::thresholdEditEditingFinished()
{
    if (const auto value = m_threshold->editFinished(agc().threshold))
        change(&AgcParams::threshold, *value);
}

void AGCWidget::targetKnobValueChanged(int value)
{
    change(&AgcParams::target, m_target->knobMoved(value));
}

void AGCWidget::targetEditEditingFinished()
{
    if (const auto value = m_target->editFinished(agc().target))
        change(&AgcParams::target, *value);
}

void AGCWidget::ratioKnobValueChanged(int value)
{
    change(&AgcParams::ratio, m_ratio->knobMoved(value));
}

void AGCWidget::ratioEditEditingFinished()
{
    if (const auto value = m_ratio->editFinished(agc().ratio))
        change(&AgcParams::ratio, *value);
}

void AGCWidget::attackKnobValueChanged(int value)
{
    change(&AgcParams::attack, m_attack->knobMoved(value));
}

void AGCWidget::attackEditEditingFinished()
{
    if (const auto value = m_attack->editFinished(agc().attack))
        change(&AgcParams::attack, *value);
}

void AGCWidget::decayKnobValueChanged(int value)
{
    change(&AgcParams::release, m_decay->knobMoved(value));
}

void AGCWidget::decayEditEditingFinished()
{
    if (const auto value = m_decay->editFinished(agc().release))
        change(&AgcParams::release, *value);
}
