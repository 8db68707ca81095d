#include "LimiterWidget.h"

#include "ChannelButtonBar.h"
#include "DynamicsControl.h"
#include "LimiterGraph.h"

#include "widgets/Knob.h"
#include "widgets/LineEdit.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const KnobScale ThresholdScale {-1000, 180, 10, 1}; // dB
const KnobScale RatioScale {1, 100};
const KnobScale AttackScale {1, 1000}; // ms
const KnobScale DecayScale {5, 1000}; // ms
const KnobScale GainScale {0, 200, 10, 1}; // dB

} // namespace

LimiterWidget::LimiterWidget(DataModel *model, Side side, QWidget *parent)
    : DynamicsEditor(model, side, side == Inputs ? InputChannels : OutputChannels, new LimiterGraph,
                     parent),
      m_graph(findChild<LimiterGraph *>()), m_threshold(addControl(ThresholdScale, "threshold")),
      m_ratio(addControl(RatioScale, "ratio")), m_attack(addControl(AttackScale, "attack")),
      m_decay(addControl(DecayScale, "decay")), m_gain(addControl(GainScale, "gain"))
{
    setObjectName(side == Inputs ? QStringLiteral("inLimiterWidget")
                                 : QStringLiteral("outLimiterWidget"));
    // The outputs' limiters have no make-up gain of their own on the device.
    m_gain->setVisible(side == Inputs);

    connect(channelBar()->group(), &QButtonGroup::idClicked, this,
            &LimiterWidget::channelButtonGroupButtonClicked);
    connect(copyToButton(), &QPushButton::clicked, this, &LimiterWidget::copyToButtonClicked);
    connect(resetButton(), &QPushButton::clicked, this, &LimiterWidget::resetButtonClicked);
    connect(enabledButton(), &QPushButton::clicked, this, &LimiterWidget::enabledButtonClicked);
    connect(m_threshold->knob(), &Knob::valueChanged, this,
            &LimiterWidget::thresholdKnobValueChanged);
    connect(m_threshold->edit(), &QLineEdit::editingFinished, this,
            &LimiterWidget::thresholdEditEditingFinished);
    connect(m_ratio->knob(), &Knob::valueChanged, this, &LimiterWidget::ratioKnobValueChanged);
    connect(m_ratio->edit(), &QLineEdit::editingFinished, this,
            &LimiterWidget::ratioEditEditingFinished);
    connect(m_attack->knob(), &Knob::valueChanged, this, &LimiterWidget::attackKnobValueChanged);
    connect(m_attack->edit(), &QLineEdit::editingFinished, this,
            &LimiterWidget::attackEditEditingFinished);
    connect(m_decay->knob(), &Knob::valueChanged, this, &LimiterWidget::decayKnobValueChanged);
    connect(m_decay->edit(), &QLineEdit::editingFinished, this,
            &LimiterWidget::decayEditEditingFinished);
    connect(m_gain->knob(), &Knob::valueChanged, this, &LimiterWidget::gainKnobValueChanged);
    connect(m_gain->edit(), &QLineEdit::editingFinished, this,
            &LimiterWidget::gainEditEditingFinished);

    retranslateFrame();
    retranslate();
    showChannel();
}

const DataModel::Limiter &LimiterWidget::limiter() const
{
    return side() == Inputs ? model()->input(channel()).limiter
                            : model()->output(channel()).limiter;
}

float LimiterWidget::gain() const
{
    return side() == Inputs ? model()->input(channel()).limiterGain : 0.0f;
}

void LimiterWidget::showChannel()
{
    const DataModel::Limiter &l = limiter();
    const QSignalBlocker quiet(enabledButton());
    enabledButton()->setChecked(l.enabled != 0);
    m_threshold->showValue(l.threshold);
    m_ratio->showValue(l.ratio);
    m_attack->showValue(l.attack);
    m_decay->showValue(l.release);
    m_gain->showValue(gain());
    showGraph(l);
}

void LimiterWidget::showGraph(const DataModel::Limiter &l)
{
    m_graph->setThreshold(l.threshold);
    m_graph->setRatio(l.ratio);
    m_graph->setBypass(l.enabled == 0);
}

void LimiterWidget::retranslate()
{
    m_threshold->setCaption(tr("Threshold") + QLatin1Char(' ') + tr("(dB)"));
    m_ratio->setCaption(tr("Ratio"));
    m_attack->setCaption(tr("Attack") + QLatin1Char(' ') + tr("(ms)"));
    m_decay->setCaption(tr("Decay") + QLatin1Char(' ') + tr("(ms)"));
    m_gain->setCaption(tr("Gain") + QLatin1Char(' ') + tr("(dB)"));
}

void LimiterWidget::report(const DataModel::Limiter &l)
{
    showGraph(l);
    emit dataChanged(channel(), &l);
}

void LimiterWidget::change(float DataModel::Limiter::*field, double value)
{
    DataModel::Limiter l = limiter();
    l.*field = float(value);
    report(l);
}

void LimiterWidget::channelButtonGroupButtonClicked(int channel)
{
    if (channel < 0 || channel >= channelCount())
        return;
    loadChannel(channel);
    emit channelChanged(channel);
}

void LimiterWidget::copyToButtonClicked()
{
    const QString source = channelName(side(), channel());
    const auto chosen = ChannelCopyDialog::choose(
            this, ChannelCopyDialog::titleFor(tr("Limiter Copy"), source),
            copyTargets(Inputs, InputChannels), copyTargets(Outputs, OutputChannels));
    if (chosen)
        emit channelCopy(channel(), chosen->inputs, chosen->outputs);
}

void LimiterWidget::resetButtonClicked()
{
    if (confirmReset(tr("Are you sure that you want to reset the limiter of the selected "
                        "channel?")))
        emit channelReset(channel());
}

void LimiterWidget::enabledButtonClicked(bool on)
{
    DataModel::Limiter l = limiter();
    l.enabled = on ? 1 : 0;
    report(l);
}

void LimiterWidget::thresholdKnobValueChanged(int value)
{
    change(&DataModel::Limiter::threshold, m_threshold->knobMoved(value));
}

void LimiterWidget::thresholdEditEditingFinished()
{
    if (const auto value = m_threshold->editFinished(limiter().threshold))
        change(&DataModel::Limiter::threshold, *value);
}

void LimiterWidget::ratioKnobValueChanged(int value)
{
    change(&DataModel::Limiter::ratio, m_ratio->knobMoved(value));
}

void LimiterWidget::ratioEditEditingFinished()
{
    if (const auto value = m_ratio->editFinished(limiter().ratio))
        change(&DataModel::Limiter::ratio, *value);
}

void LimiterWidget::attackKnobValueChanged(int value)
{
    change(&DataModel::Limiter::attack, m_attack->knobMoved(value));
}

void LimiterWidget::attackEditEditingFinished()
{
    if (const auto value = m_attack->editFinished(limiter().attack))
        change(&DataModel::Limiter::attack, *value);
}

void LimiterWidget::decayKnobValueChanged(int value)
{
    change(&DataModel::Limiter::release, m_decay->knobMoved(value));
}

void LimiterWidget::decayEditEditingFinished()
{
    if (const auto value = m_decay->editFinished(limiter().release))
        change(&DataModel::Limiter::release, *value);
}

void LimiterWidget::gainKnobValueChanged(int value)
{
    emit gainChanged(channel(), float(m_gain->knobMoved(value)));
}

void LimiterWidget::gainEditEditingFinished()
{
    if (const auto value = m_gain->editFinished(gain()))
        emit gainChanged(channel(), float(*value));
}
