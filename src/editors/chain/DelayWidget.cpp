#include "DelayWidget.h"

#include "widgets/DoubleSpinBox.h"
#include "widgets/Knob.h"
#include "model/DataModel.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

DelayWidget::DelayWidget(DataModel *model, Side side, QWidget *parent)
    : ChannelStripWidget(model, side, Channels, parent),
      m_units(side == Inputs ? DelayUnits::inputs() : DelayUnits::outputs()), m_controls(Channels)
{
    setObjectName(side == Inputs ? QStringLiteral("inDelayWidget")
                                 : QStringLiteral("outDelayWidget"));
    buildColumns(96);
}

void DelayWidget::buildChannel(int channel, QVBoxLayout *column)
{
    QWidget *parent = channelWidget(channel);
    Controls &c = m_controls[size_t(channel)];
    const QString name = QString::number(channel);

    c.knob = new Knob(parent);
    c.knob->setObjectName(name);
    c.knob->setSizeCode(Knob::Smallest);
    c.knob->setRange(0, m_units.knobMaximum); // a notch or arrow key: one unit, 0.01 ms
    column->addSpacing(4);
    column->addWidget(c.knob, 0, Qt::AlignHCenter);
    connect(c.knob, &Knob::valueChanged, this, &DelayWidget::delayKnobValueChanged);

    const int decimals[] = {2, 3, 3};
    const double maxima[] = {m_units.maximumMs, m_units.maximumMetres, m_units.maximumFeet};
    const char *controls[] = {"milliseconds", "meters", "feet"};
    using Slot = void (DelayWidget::*)(double);
    const Slot boxSlots[] = {&DelayWidget::millisecondsBoxValueChanged,
                             &DelayWidget::metersBoxValueChanged,
                             &DelayWidget::feetBoxValueChanged};
    for (int b = 0; b < BoxCount; ++b) {
        c.captions[b] = new QLabel(parent);
        c.captions[b]->setObjectName(QStringLiteral("stripCaptionLabel"));
        c.captions[b]->setAlignment(Qt::AlignCenter);
        c.captions[b]->setWordWrap(true);
        auto *box = new DoubleSpinBox(parent);
        box->setObjectName(name);
        box->setProperty("control", QLatin1String(controls[b]));
        box->setFixedSize(80, 20);
        box->setAlignment(Qt::AlignCenter);
        box->setButtonSymbols(QAbstractSpinBox::NoButtons);
        box->setDecimals(decimals[b]);
        box->setSingleStep(b == Milliseconds ? 0.01 : 0.001);
        box->setRange(0.0, maxima[b]);
        // A typed value counts once it is complete (Enter or leaving the box).
        box->setKeyboardTracking(false);
        c.boxes[b] = box;
        column->addWidget(c.captions[b]);
        column->addWidget(box, 0, Qt::AlignHCenter);
        connect(box, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, boxSlots[b]);
    }
    column->addStretch(1);
}

void DelayWidget::retranslate()
{
    for (Controls &c : m_controls) {
        c.captions[Milliseconds]->setText(tr("Milliseconds"));
        c.captions[Metres]->setText(tr("Meters"));
        c.captions[Feet]->setText(tr("Feet"));
    }
}

void DelayWidget::showChannel(int channel)
{
    const float ms =
            side() == Inputs ? model()->input(channel).delay : model()->output(channel).delay;
    showDelay(channel, double(ms));
}

void DelayWidget::showDelay(int channel, double ms)
{
    Controls &c = m_controls[size_t(channel)];
    const QSignalBlocker knobBlocker(c.knob);
    const QSignalBlocker msBlocker(c.boxes[Milliseconds]);
    const QSignalBlocker metresBlocker(c.boxes[Metres]);
    const QSignalBlocker feetBlocker(c.boxes[Feet]);
    c.knob->setValue(DelayUnits::knobFromMs(ms));
    c.boxes[Milliseconds]->setValue(ms);
    c.boxes[Metres]->setValue(DelayUnits::metresFromMs(ms));
    c.boxes[Feet]->setValue(DelayUnits::feetFromMs(ms));
}

void DelayWidget::millisecondsBoxValueChanged(double ms)
{
    changed(ms);
}

void DelayWidget::metersBoxValueChanged(double metres)
{
    changed(DelayUnits::msFromMetres(metres));
}

void DelayWidget::feetBoxValueChanged(double feet)
{
    changed(DelayUnits::msFromFeet(feet));
}

void DelayWidget::delayKnobValueChanged(int value)
{
    changed(DelayUnits::msFromKnob(value));
}

void DelayWidget::changed(double ms)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= Channels)
        return;
    ms = m_units.clampMs(ms);
    showDelay(ch, ms);
    emit dataChanged(ch, float(ms));
}
