#include "SignalGeneratorWidget.h"

#include "editors/chain/ChannelStripWidget.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"
#include "widgets/Knob.h"
#include "widgets/LineEdit.h"
#include "widgets/OverlayScrollArea.h"
#include "wire/ByteWriter.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr quint8 NoChannel = 255;
constexpr int Types = 3;

QString outputName(DataModel *model, int output)
{
    const OutputChannel &out = model->output(output);
    return out.label.isEmpty() ? out.defaultName : out.label;
}

} // namespace

SignalGeneratorWidget::SignalGeneratorWidget(DataModel *model, QWidget *parent)
    : QWidget(parent), m_model(model), m_mute(new QPushButton(this)),
      m_types(new QButtonGroup(this)), m_typeLabel(new QLabel(this)),
      m_freqLabel(new QLabel(this)), m_gainLabel(new QLabel(this)),
      m_outputLabel(new QLabel(this)), m_freqKnob(new Knob(this)), m_gainKnob(new Knob(this)),
      m_freqEdit(new LineEdit(this)), m_gainEdit(new LineEdit(this))
{
    setObjectName(QStringLiteral("signalGeneratorWidget"));
    m_mute->setObjectName(QStringLiteral("muteButton"));
    m_mute->setCheckable(true);
    m_mute->setFocusPolicy(Qt::NoFocus);
    m_mute->setMinimumWidth(90);
    connect(m_mute, &QPushButton::clicked, this, &SignalGeneratorWidget::muteButtonClicked);

    auto *typeRow = new QHBoxLayout;
    typeRow->setSpacing(0);
    m_types->setExclusive(true);
    for (int type = 0; type < Types; ++type) {
        auto *b = new QPushButton(this);
        b->setObjectName(QStringLiteral("typeButton"));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumWidth(100);
        b->setProperty("horizontalButtonPosition",
                       type == 0 ? "first" : type == Types - 1 ? "last" : "middle");
        m_types->addButton(b, type);
        typeRow->addWidget(b);
    }
    typeRow->addStretch(1);
    connect(m_types, &QButtonGroup::idClicked, this, &SignalGeneratorWidget::typeButtonClicked);

    const auto knobColumn = [this](Knob *knob, LineEdit *edit, QLabel *label, int min, int max,
                                   const char *name) {
        knob->setObjectName(QLatin1String(name));
        knob->setSizeCode(Knob::Normal);
        knob->setRange(min, max);
        edit->setObjectName(QLatin1String(name));
        edit->setAlignment(Qt::AlignCenter);
        edit->setFixedWidth(80);
        label->setAlignment(Qt::AlignCenter);
        auto *column = new QVBoxLayout;
        column->setSpacing(4);
        column->addWidget(label);
        column->addWidget(knob, 0, Qt::AlignHCenter);
        column->addWidget(edit, 0, Qt::AlignHCenter);
        return column;
    };
    auto *knobs = new QHBoxLayout;
    knobs->setSpacing(40);
    knobs->addLayout(knobColumn(m_freqKnob, m_freqEdit, m_freqLabel, FreqMinimum, FreqMaximum,
                                "freqKnob"));
    knobs->addLayout(knobColumn(m_gainKnob, m_gainEdit, m_gainLabel, GainMinimum, GainMaximum,
                                "gainKnob"));
    knobs->addStretch(1);
    connect(m_freqKnob, &Knob::valueChanged, this, &SignalGeneratorWidget::freqKnobValueChanged);
    connect(m_gainKnob, &Knob::valueChanged, this, &SignalGeneratorWidget::gainKnobValueChanged);
    connect(m_freqEdit, &QLineEdit::editingFinished, this,
            &SignalGeneratorWidget::freqEditingFinished);
    connect(m_gainEdit, &QLineEdit::editingFinished, this,
            &SignalGeneratorWidget::gainEditingFinished);

    auto *outputs = new QGridLayout;
    outputs->setSpacing(4);
    for (int output = 0; output < Outputs; ++output) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::number(output));
        b->setProperty("control", QLatin1String("output"));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(72, 28);
        connect(b, &QPushButton::clicked, this, &SignalGeneratorWidget::outputButtonClicked);
        m_outputs.push_back(b);
        outputs->addWidget(b, output / 8, output % 8);
    }

    // Compact enough for the module area of the smallest window: switch and type in one row,
    // the two knobs side by side, the outputs in two rows of eight.
    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(m_mute);
    top->addSpacing(24);
    top->addWidget(m_typeLabel);
    top->addLayout(typeRow);
    auto *form = new QGridLayout;
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(12);
    form->addLayout(top, 0, 0, 1, 2);
    form->addLayout(knobs, 1, 0, 1, 2);
    form->addWidget(m_outputLabel, 2, 0, Qt::AlignLeft | Qt::AlignTop);
    form->addLayout(outputs, 3, 0, 1, 2, Qt::AlignLeft);
    form->setColumnStretch(1, 1);

    // In a scroll area, as the strip pages: the page never asks the window for more room.
    auto *area = new OverlayScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto *content = new QWidget(area->viewport());
    content->setObjectName(QStringLiteral("signalGeneratorContent"));
    auto *inner = new QVBoxLayout(content);
    inner->setContentsMargins(24, 12, 24, 12);
    inner->addLayout(form);
    inner->addStretch(1);
    area->setWidget(content);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    retranslate();
    refresh();
}

QPushButton *SignalGeneratorWidget::typeButton(int type) const
{
    return qobject_cast<QPushButton *>(m_types->button(type));
}

QPushButton *SignalGeneratorWidget::outputButton(int output) const
{
    return output >= 0 && output < Outputs ? m_outputs[size_t(output)] : nullptr;
}

void SignalGeneratorWidget::refresh()
{
    const SignalGeneratorState &g = m_model->mirror().signalGenerator;
    const QSignalBlocker b1(m_freqKnob), b2(m_gainKnob);
    m_mute->setChecked(g.mute);
    if (QAbstractButton *type = m_types->button(int(g.type)))
        type->setChecked(true);
    if (!m_freqKnob->isPressed())
        m_freqKnob->setValue(int(std::lround(g.frequency)));
    if (!m_gainKnob->isPressed())
        m_gainKnob->setValue(int(std::lround(g.gain)));
    if (!m_freqEdit->hasFocus())
        m_freqEdit->setText(QString::number(std::lround(g.frequency)));
    if (!m_gainEdit->hasFocus())
        m_gainEdit->setText(QString::number(std::lround(g.gain)));
    for (int output = 0; output < Outputs; ++output)
        m_outputs[size_t(output)]->setChecked(g.outputs[size_t(output)]);
    refreshLabels();
}

void SignalGeneratorWidget::refreshLabels()
{
    for (int output = 0; output < Outputs; ++output) {
        QPushButton *b = m_outputs[size_t(output)];
        const QString name = outputName(m_model, output);
        b->setText(b->fontMetrics().elidedText(name, Qt::ElideRight, b->width() - 8));
        b->setToolTip(name);
    }
}

void SignalGeneratorWidget::applyChannelConfig(quint32 outputMask)
{
    for (int output = 0; output < Outputs; ++output)
        m_outputs[size_t(output)]->setHidden(ChannelStripWidget::maskHas(outputMask, output));
}

void SignalGeneratorWidget::muteButtonClicked(bool checked)
{
    m_model->mirror().signalGenerator.mute = checked;
    m_model->sendWrite(Msg::SigGenMute, ByteWriter().u8(checked));
}

void SignalGeneratorWidget::typeButtonClicked(int type)
{
    if (type < 0 || type >= Types)
        return;
    m_model->mirror().signalGenerator.type = quint32(type);
    m_model->sendWrite(Msg::SigGenType, ByteWriter().u8(quint8(type)));
}

void SignalGeneratorWidget::freqKnobValueChanged(int value)
{
    m_model->mirror().signalGenerator.frequency = float(value);
    m_freqEdit->setText(QString::number(value));
    m_model->queueWrite(Msg::SigGenFreq, NoChannel, NoChannel, ByteWriter().f32(float(value)));
}

void SignalGeneratorWidget::gainKnobValueChanged(int value)
{
    m_model->mirror().signalGenerator.gain = float(value);
    m_gainEdit->setText(QString::number(value));
    m_model->queueWrite(Msg::SigGenGain, NoChannel, NoChannel, ByteWriter().f32(float(value)));
}

std::optional<int> SignalGeneratorWidget::typedValue(const LineEdit *edit, const Knob *knob)
{
    bool ok = false;
    const double typed = edit->text().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(typed))
        return std::nullopt;
    return int(std::lround(qBound(double(knob->minimum()), typed, double(knob->maximum()))));
}

void SignalGeneratorWidget::freqEditingFinished()
{
    SignalGeneratorState &g = m_model->mirror().signalGenerator;
    const std::optional<int> value = typedValue(m_freqEdit, m_freqKnob);
    disconnect(m_freqEdit, &QLineEdit::editingFinished, this,
               &SignalGeneratorWidget::freqEditingFinished);
    m_freqEdit->clearFocus();
    m_freqEdit->setText(QString::number(value ? *value : std::lround(g.frequency)));
    connect(m_freqEdit, &QLineEdit::editingFinished, this,
            &SignalGeneratorWidget::freqEditingFinished);
    if (!value)
        return;
    m_freqKnob->setValue(*value);
    g.frequency = float(*value);
    m_model->sendWrite(Msg::SigGenFreq, ByteWriter().f32(g.frequency));
}

void SignalGeneratorWidget::gainEditingFinished()
{
    SignalGeneratorState &g = m_model->mirror().signalGenerator;
    const std::optional<int> value = typedValue(m_gainEdit, m_gainKnob);
    disconnect(m_gainEdit, &QLineEdit::editingFinished, this,
               &SignalGeneratorWidget::gainEditingFinished);
    m_gainEdit->clearFocus();
    m_gainEdit->setText(QString::number(value ? *value : std::lround(g.gain)));
    connect(m_gainEdit, &QLineEdit::editingFinished, this,
            &SignalGeneratorWidget::gainEditingFinished);
    if (!value)
        return;
    m_gainKnob->setValue(*value);
    g.gain = float(*value);
    m_model->sendWrite(Msg::SigGenGain, ByteWriter().f32(g.gain));
}

void SignalGeneratorWidget::outputButtonClicked(bool checked)
{
    bool ok = false;
    const int output = sender() ? sender()->objectName().toInt(&ok) : -1;
    if (!ok || output < 0 || output >= Outputs)
        return;
    m_model->mirror().signalGenerator.outputs[size_t(output)] = checked;
    m_model->sendWrite(Msg::SigGenOutputs, ByteWriter().u8(quint8(output)).u8(checked));
}

void SignalGeneratorWidget::retranslate()
{
    m_mute->setText(tr("Mute"));
    const char *const types[] = {QT_TR_NOOP("Pink Noise"), QT_TR_NOOP("Sine Wave"),
                                 QT_TR_NOOP("White Noise")};
    for (int type = 0; type < Types; ++type)
        m_types->button(type)->setText(tr(types[type]));
    m_typeLabel->setText(tr("Type"));
    m_freqLabel->setText(tr("Freq") + QLatin1Char('\n') + tr("(Hz)"));
    m_gainLabel->setText(tr("Gain") + QLatin1Char('\n') + tr("(dB)"));
    m_outputLabel->setText(tr("Output"));
}

void SignalGeneratorWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
