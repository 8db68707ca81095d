#include "AutoMixerWidget.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"
#include "widgets/ControlPalette.h"
#include "widgets/LineEdit.h"
#include "widgets/MessageBox.h"
#include "widgets/Meter.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int AttenuationMaximum = 100;
constexpr int LevelMinimum = -60;
constexpr int LevelMaximum = 0;
constexpr int MeterHeight = 120;

QPushButton *toggle(QWidget *parent, const QString &name)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(name);
    b->setCheckable(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

AutoMixerWidget::AutoMixerWidget(DataModel *model, QWidget *parent)
    : ChannelStripWidget(model, Inputs, Channels, parent), m_controls(Channels)
{
    setObjectName(QStringLiteral("autoMixerWidget"));
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(8, 4, 8, 0);
    for (int g = 0; g < Groups; ++g) {
        m_enabledButtons[g] = toggle(this, QStringLiteral("amEnabledButton"));
        m_enabledButtons[g]->setProperty("group", g);
        m_enabledButtons[g]->setMinimumWidth(110);
        connect(m_enabledButtons[g], &QPushButton::clicked, this,
                &AutoMixerWidget::enabledButtonClicked);
        bar->addWidget(m_enabledButtons[g]);
    }
    m_resetButton = new QPushButton(this);
    m_resetButton->setObjectName(QStringLiteral("amResetButton"));
    m_resetButton->setFocusPolicy(Qt::NoFocus);
    m_resetButton->setMinimumWidth(80);
    connect(m_resetButton, &QPushButton::clicked, this, &AutoMixerWidget::resetButtonClicked);
    bar->addWidget(m_resetButton);
    bar->addStretch(1);
    m_infoButton = new QPushButton(this);
    m_infoButton->setObjectName(QStringLiteral("infoButton"));
    m_infoButton->setFocusPolicy(Qt::NoFocus);
    m_infoButton->setIconSize(QSize(18, 18));
    connect(m_infoButton, &QPushButton::clicked, this, &AutoMixerWidget::infoButtonClicked);
    bar->addWidget(m_infoButton);
    static_cast<QVBoxLayout *>(layout())->insertLayout(0, bar);
    showInfoIcon();
    buildColumns(66);
    refreshGroups();
    refreshMeters();
}

void AutoMixerWidget::buildChannel(int channel, QVBoxLayout *column)
{
    Controls &c = m_controls[size_t(channel)];
    QWidget *parent = column->parentWidget();
    const QString name = QString::number(channel);

    c.attenuation = new Meter(parent);
    c.attenuation->setObjectName(name);
    c.attenuation->setProperty("control", QLatin1String("attenuation"));
    c.attenuation->setReductionMode(true);
    c.attenuation->setRange(0, AttenuationMaximum);
    c.attenuation->setFixedHeight(MeterHeight / 2);
    c.level = new Meter(parent);
    c.level->setObjectName(name);
    c.level->setProperty("control", QLatin1String("level"));
    c.level->setRange(LevelMinimum, LevelMaximum);
    c.level->setFixedHeight(MeterHeight);
    column->addWidget(c.attenuation, 0, Qt::AlignHCenter);
    column->addWidget(c.level, 0, Qt::AlignHCenter);

    c.slider = new QSlider(Qt::Vertical, parent);
    c.slider->setObjectName(QStringLiteral("weightSlider%1").arg(channel));
    c.slider->setProperty("handleSize", QLatin1String("small"));
    c.slider->setRange(SliderMinimum, SliderMaximum);
    c.slider->setMinimumHeight(150);
    c.slider->setFocusPolicy(Qt::NoFocus);
    connect(c.slider, &QSlider::valueChanged, this, &AutoMixerWidget::weightSliderValueChanged);
    connect(c.slider, &QSlider::sliderReleased, this, &AutoMixerWidget::weightSliderReleased);
    column->addWidget(c.slider, 0, Qt::AlignHCenter);

    c.edit = new LineEdit(parent);
    c.edit->setObjectName(name);
    c.edit->setProperty("control", QLatin1String("weight"));
    c.edit->setAlignment(Qt::AlignCenter);
    c.edit->setText(weightText(0.0f));
    connect(c.edit, &QLineEdit::editingFinished, this, &AutoMixerWidget::weightEditingFinished);
    column->addWidget(c.edit);

    for (int g = 0; g < Groups; ++g) {
        c.group[g] = toggle(parent, name);
        c.group[g]->setProperty("control", QLatin1String("group"));
        c.group[g]->setProperty("group", g + 1);
        connect(c.group[g], &QPushButton::clicked, this, &AutoMixerWidget::groupButtonClicked);
        column->addWidget(c.group[g]);
    }
}

QString AutoMixerWidget::weightText(float weight)
{
    return QString::number(double(weight), 'f', 1);
}

void AutoMixerWidget::showChannel(int channel)
{
    const AutoMixerState &am = model()->mirror().autoMixer;
    Controls &c = m_controls[size_t(channel)];
    const float weight = am.weights[size_t(channel)];
    // The slider is set from the mirror without reporting it as a change.
    disconnect(c.slider, &QSlider::valueChanged, this, &AutoMixerWidget::weightSliderValueChanged);
    if (!c.slider->isSliderDown())
        c.slider->setValue(int(std::lround(weight * 10.0f)));
    connect(c.slider, &QSlider::valueChanged, this, &AutoMixerWidget::weightSliderValueChanged);
    if (!c.edit->hasFocus())
        c.edit->setText(weightText(weight));
    const int group = am.groups[size_t(channel)];
    for (int g = 0; g < Groups; ++g)
        c.group[g]->setChecked(group == g + 1);
}

void AutoMixerWidget::refreshGroups()
{
    const AutoMixerState &am = model()->mirror().autoMixer;
    for (int g = 0; g < Groups; ++g)
        m_enabledButtons[g]->setChecked(am.enabled[size_t(g)]);
}

void AutoMixerWidget::refreshMeters()
{
    const AutoMixerState &am = model()->mirror().autoMixer;
    for (int ch = 0; ch < Channels; ++ch) {
        Controls &c = m_controls[size_t(ch)];
        c.attenuation->setLevel(am.meters[size_t(ch)]);
        c.level->setLevel(am.meters[size_t(Channels + ch)]);
    }
}

QSlider *AutoMixerWidget::weightSlider(int channel) const
{
    return channel >= 0 && channel < Channels ? m_controls[size_t(channel)].slider : nullptr;
}

LineEdit *AutoMixerWidget::weightEdit(int channel) const
{
    return channel >= 0 && channel < Channels ? m_controls[size_t(channel)].edit : nullptr;
}

QPushButton *AutoMixerWidget::groupButton(int channel, int group) const
{
    if (channel < 0 || channel >= Channels || group < 1 || group > Groups)
        return nullptr;
    return m_controls[size_t(channel)].group[group - 1];
}

QPushButton *AutoMixerWidget::enabledButton(int group) const
{
    return group >= 1 && group <= Groups ? m_enabledButtons[group - 1] : nullptr;
}

Meter *AutoMixerWidget::attenuationMeter(int channel) const
{
    return channel >= 0 && channel < Channels ? m_controls[size_t(channel)].attenuation : nullptr;
}

Meter *AutoMixerWidget::levelMeter(int channel) const
{
    return channel >= 0 && channel < Channels ? m_controls[size_t(channel)].level : nullptr;
}

void AutoMixerWidget::sendWeight(int channel, float weight, bool throttled)
{
    float &stored = model()->mirror().autoMixer.weights[size_t(channel)];
    if (throttled && stored == weight)
        return;
    stored = weight;
    model()->queueWrite(Msg::AutoMixWeight, quint8(channel), 255,
                        SetPayload::channelFloat(quint8(channel), weight));
}

void AutoMixerWidget::weightSliderValueChanged(int value)
{
    const QString name = sender() ? sender()->objectName() : QString();
    const int channel = name.mid(int(qstrlen("weightSlider"))).toInt();
    if (channel < 0 || channel >= Channels)
        return;
    const float weight = weightOf(value);
    m_controls[size_t(channel)].edit->setText(weightText(weight));
    sendWeight(channel, weight, true);
}

void AutoMixerWidget::weightSliderReleased()
{
    // The value is on its way already; nothing more to send.
}

void AutoMixerWidget::weightEditingFinished()
{
    auto *edit = qobject_cast<LineEdit *>(sender());
    const int channel = channelOf(edit);
    if (!edit || channel < 0 || channel >= Channels)
        return;
    Controls &c = m_controls[size_t(channel)];
    const float stored = model()->mirror().autoMixer.weights[size_t(channel)];
    const std::optional<double> typed = editNumber(edit->text());
    if (!typed) { // not a number: the weight stays
        settleEdit(edit, this, &AutoMixerWidget::weightEditingFinished, weightText(stored));
        return;
    }
    const int position = int(std::lround(qBound(double(SliderMinimum), *typed * 10.0,
                                                 double(SliderMaximum))));
    const float weight = weightOf(position);
    settleEdit(edit, this, &AutoMixerWidget::weightEditingFinished, weightText(weight));
    disconnect(c.slider, &QSlider::valueChanged, this, &AutoMixerWidget::weightSliderValueChanged);
    c.slider->setValue(position);
    connect(c.slider, &QSlider::valueChanged, this, &AutoMixerWidget::weightSliderValueChanged);
    sendWeight(channel, weight, false);
}

void AutoMixerWidget::groupButtonClicked(bool checked)
{
    auto *button = qobject_cast<QPushButton *>(sender());
    const int channel = channelOf(button);
    if (!button || channel < 0 || channel >= Channels)
        return;
    const int chosen = button->property("group").toInt();
    const quint8 group = checked ? quint8(chosen) : 0;
    for (int g = 0; g < Groups; ++g)
        m_controls[size_t(channel)].group[g]->setChecked(group == g + 1);
    model()->mirror().autoMixer.groups[size_t(channel)] = group;
    model()->sendWrite(Msg::AutoMixGroup, SetPayload::channelByte(quint8(channel), group));
}

void AutoMixerWidget::enabledButtonClicked(bool checked)
{
    auto *button = qobject_cast<QPushButton *>(sender());
    if (!button)
        return;
    const int group = button->property("group").toInt();
    if (group < 0 || group >= Groups)
        return;
    model()->mirror().autoMixer.enabled[size_t(group)] = checked;
    model()->sendWrite(Msg::AutoMixEnable, SetPayload::channelByte(quint8(group), checked));
}

void AutoMixerWidget::resetButtonClicked()
{
    if (!MessageBox::confirm(this, tr("Auto Mixer"),
                             tr("Are you sure that you want to reset the auto mixer?")))
        return;
    AutoMixerState &am = model()->mirror().autoMixer;
    am.weights.fill(0.0f);
    am.groups.fill(0);
    am.enabled.fill(0);
    model()->sendWrite(Msg::AutoMixReset);
    refreshChannel(255);
    refreshGroups();
}

void AutoMixerWidget::infoButtonClicked()
{
    const QStringList points = {
        tr("1. There are two independent automix groups, AM1 and AM2."),
        tr("2. The AM1 or AM2 button of a channel assigns the channel to automix group 1 or 2."),
        tr("3. The fader sets the priority weight of the channel; the default is 0."),
        tr("4. The \"AM X Enabled\" buttons enable an automix group."),
        tr("5. The upper meter shows the attenuation of the channel, the lower meter its level "
           "after attenuation."),
    };
    MessageBox::inform(this, MessageBox::Information, tr("Instructions for using automix"),
                       points.join(QLatin1String("\n\n")));
}

void AutoMixerWidget::showInfoIcon()
{
    m_infoButton->setIcon(QIcon(ControlPalette::isDark() ? QStringLiteral(":/image/InfoDark.png")
                                                         : QStringLiteral(":/image/InfoLight.png")));
}

void AutoMixerWidget::retranslate()
{
    for (int g = 0; g < Groups; ++g)
        m_enabledButtons[g]->setText(tr("AM %1 Enabled").arg(g + 1));
    m_resetButton->setText(tr("Reset"));
    m_infoButton->setText(tr("Instructions"));
    for (Controls &c : m_controls)
        for (int g = 0; g < Groups; ++g)
            if (c.group[g])
                c.group[g]->setText(tr("AM %1").arg(g + 1));
}

void AutoMixerWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange)
        showInfoIcon();
    ChannelStripWidget::changeEvent(event);
}
