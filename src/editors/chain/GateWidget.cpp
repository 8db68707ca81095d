#include "GateWidget.h"

#include "widgets/Knob.h"
#include "widgets/LineEdit.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace {

struct KnobRange
{
    int minimum;
    int maximum;
};

// Threshold (dB), attack (ms), decay (ms).
constexpr KnobRange Ranges[] = {{-120, 0}, {1, 1000}, {20, 1000}};

QString valueText(float value)
{
    return QString::number(std::lround(value));
}

} // namespace

GateWidget::GateWidget(DataModel *model, QWidget *parent)
    : ChannelStripWidget(model, Inputs, Channels, parent), m_controls(Channels)
{
    setObjectName(QStringLiteral("gateWidget"));
    buildColumns(94);
}

float &GateWidget::field(GateParams &gate, Parameter parameter)
{
    switch (parameter) {
    case Threshold:
        return gate.threshold;
    case Attack:
        return gate.attack;
    case Decay:
    case ParameterCount:
        break;
    }
    return gate.release;
}

void GateWidget::buildChannel(int channel, QVBoxLayout *column)
{
    QWidget *parent = channelWidget(channel);
    Controls &c = m_controls[size_t(channel)];
    const QString name = QString::number(channel);

    auto *top = new QHBoxLayout;
    top->setSpacing(5);
    c.indicator = new QLabel(parent);
    c.indicator->setObjectName(QStringLiteral("gateIndicator"));
    c.indicator->setFixedSize(10, 10);
    c.indicator->setProperty("status", QStringLiteral("0"));
    c.enabledButton = new QPushButton(parent);
    c.enabledButton->setObjectName(name);
    c.enabledButton->setProperty("control", QLatin1String("enabled"));
    c.enabledButton->setCheckable(true);
    c.enabledButton->setFocusPolicy(Qt::NoFocus);
    top->addWidget(c.indicator);
    top->addWidget(c.enabledButton, 1);
    column->addLayout(top);
    connect(c.enabledButton, &QPushButton::clicked, this, &GateWidget::enabledButtonClicked);

    using KnobSlot = void (GateWidget::*)(int);
    using EditSlot = void (GateWidget::*)();
    const KnobSlot knobSlots[] = {&GateWidget::thresholdKnobValueChanged,
                                  &GateWidget::attackKnobValueChanged,
                                  &GateWidget::decayKnobValueChanged};
    const EditSlot editSlots[] = {&GateWidget::thresholdEditEditingFinished,
                                  &GateWidget::attackEditEditingFinished,
                                  &GateWidget::decayEditEditingFinished};
    const char *controls[] = {"threshold", "attack", "decay"};
    for (int p = 0; p < ParameterCount; ++p) {
        c.captions[p] = new QLabel(parent);
        c.captions[p]->setObjectName(QStringLiteral("stripCaptionLabel"));
        c.captions[p]->setAlignment(Qt::AlignCenter);
        c.captions[p]->setWordWrap(true);
        c.knobs[p] = new Knob(parent);
        c.knobs[p]->setObjectName(name);
        c.knobs[p]->setProperty("control", QLatin1String(controls[p]));
        c.knobs[p]->setSizeCode(Knob::Smallest);
        c.knobs[p]->setRange(Ranges[p].minimum, Ranges[p].maximum);
        c.edits[p] = new LineEdit(parent);
        c.edits[p]->setObjectName(name);
        c.edits[p]->setProperty("control", QLatin1String(controls[p]));
        c.edits[p]->setAlignment(Qt::AlignCenter);
        column->addSpacing(2);
        column->addWidget(c.captions[p]);
        column->addWidget(c.knobs[p], 0, Qt::AlignHCenter);
        column->addWidget(c.edits[p]);
        connect(c.knobs[p], &Knob::valueChanged, this, knobSlots[p]);
        connect(c.edits[p], &QLineEdit::editingFinished, this, editSlots[p]);
    }
    // The edits start as the knobs do before the device has answered.
    c.edits[Threshold]->setText(QStringLiteral("-65"));
    c.edits[Attack]->setText(QStringLiteral("1"));
    c.edits[Decay]->setText(QStringLiteral("20"));
    column->addStretch(1);
}

void GateWidget::retranslate()
{
    for (Controls &c : m_controls) {
        c.enabledButton->setText(tr("Enabled"));
        c.captions[Threshold]->setText(tr("Thresh") + QLatin1Char(' ') + tr("(dB)"));
        c.captions[Attack]->setText(tr("Attack") + QLatin1Char(' ') + tr("(ms)"));
        c.captions[Decay]->setText(tr("Decay") + QLatin1Char(' ') + tr("(ms)"));
    }
}

void GateWidget::showChannel(int channel)
{
    InputChannel &in = model()->input(channel);
    Controls &c = m_controls[size_t(channel)];
    const QString status = in.gateStatus ? QStringLiteral("1") : QStringLiteral("0");
    if (c.indicator->property("status").toString() != status) {
        c.indicator->setProperty("status", status);
        c.indicator->style()->unpolish(c.indicator);
        c.indicator->style()->polish(c.indicator);
    }
    c.enabledButton->setChecked(in.gate.enabled != 0);
    for (int p = 0; p < ParameterCount; ++p) {
        const float value = field(in.gate, Parameter(p));
        c.knobs[p]->setValue(int(std::lround(value)));
        showText(c.edits[p], valueText(value));
    }
}

void GateWidget::enabledButtonClicked(bool on)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= Channels)
        return;
    GateParams &gate = model()->input(ch).gate;
    gate.enabled = on ? 1 : 0;
    model()->sendWrite(Msg::GateParams, SetPayload::gate(quint8(ch), gate));
}

void GateWidget::thresholdKnobValueChanged(int value)
{
    knobChanged(Threshold, value);
}

void GateWidget::thresholdEditEditingFinished()
{
    editFinished(Threshold, &GateWidget::thresholdEditEditingFinished);
}

void GateWidget::attackKnobValueChanged(int value)
{
    knobChanged(Attack, value);
}

void GateWidget::attackEditEditingFinished()
{
    editFinished(Attack, &GateWidget::attackEditEditingFinished);
}

void GateWidget::decayKnobValueChanged(int value)
{
    knobChanged(Decay, value);
}

void GateWidget::decayEditEditingFinished()
{
    editFinished(Decay, &GateWidget::decayEditEditingFinished);
}

void GateWidget::knobChanged(Parameter parameter, int value)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= Channels)
        return;
    GateParams &gate = model()->input(ch).gate;
    field(gate, parameter) = float(value);
    refreshChannel(ch);
    // At once, as every gate change: a knob moves one step per notch or drag event.
    model()->sendWrite(Msg::GateParams, SetPayload::gate(quint8(ch), gate));
}

void GateWidget::editFinished(Parameter parameter, void (GateWidget::*slot)())
{
    auto *edit = qobject_cast<QLineEdit *>(sender());
    const int ch = channelOf(edit);
    if (!edit || ch < 0 || ch >= Channels)
        return;
    GateParams &gate = model()->input(ch).gate;
    const std::optional<double> typed = editNumber(edit->text());
    if (!typed) {
        settleEdit(edit, this, slot, valueText(field(gate, parameter)));
        return;
    }
    const Knob *knob = m_controls[size_t(ch)].knobs[parameter];
    const float value =
            float(qBound(double(knob->minimum()), std::round(*typed), double(knob->maximum())));
    settleEdit(edit, this, slot, valueText(value));
    field(gate, parameter) = value;
    refreshChannel(ch);
    model()->sendWrite(Msg::GateParams, SetPayload::gate(quint8(ch), gate));
}
