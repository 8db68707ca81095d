#include "LevelWidget.h"

#include "widgets/ComboBox.h"
#include "widgets/Fader.h"
#include "widgets/LineEdit.h"
#include "widgets/Meter.h"
#include "model/DataModel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int Groups = 8;

QPushButton *toggleButton(int channel, const char *control, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::number(channel));
    button->setProperty("control", QLatin1String(control));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// Scoped marker of a change the user is making (the held fader then follows it too).
class UserChange
{
public:
    explicit UserChange(bool &flag) : m_flag(flag) { m_flag = true; }
    ~UserChange() { m_flag = false; }
    UserChange(const UserChange &) = delete;
    UserChange &operator=(const UserChange &) = delete;

private:
    bool &m_flag;
};

} // namespace

LevelWidget::LevelWidget(DataModel *model, Side side, QWidget *parent)
    : ChannelStripWidget(model, side, side == Inputs ? InputChannels : OutputChannels, parent),
      m_controls(size_t(side == Inputs ? InputChannels : OutputChannels))
{
    setObjectName(side == Inputs ? QStringLiteral("preLevelWidget")
                                 : QStringLiteral("outLevelWidget"));
    buildColumns(94);
}

QString LevelWidget::gainText(float gain)
{
    if (gain <= float(FaderMinimum))
        return QStringLiteral("-100.0");
    return QString::number(double(gain), 'f', 1);
}

LevelWidget::Level LevelWidget::level(int channel) const
{
    if (side() == Inputs) {
        InputChannel &in = model()->input(channel);
        return {&in.preMixMute, &in.invert, &in.preMixGain, &in.group,
                &in.priority,   in.gainMin, in.gainMax,     in.postMeter};
    }
    OutputChannel &out = model()->output(channel);
    return {&out.mute, &out.invert, &out.gain,   &out.group,
            nullptr,   out.gainMin, out.gainMax, out.postMeter};
}

void LevelWidget::buildChannel(int channel, QVBoxLayout *column)
{
    QWidget *parent = channelWidget(channel);
    Controls &c = m_controls[size_t(channel)];
    const QString name = QString::number(channel);

    auto *faderRow = new QHBoxLayout;
    faderRow->setSpacing(2);
    c.fader = new Fader(parent);
    c.fader->setObjectName(name);
    c.fader->setRange(FaderMinimum, FaderMaximum);
    c.fader->setDecimals(1);
    c.fader->setFixedSize(54, 190);
    c.fader->installEventFilter(this);
    c.meter = new Meter(parent);
    c.meter->setObjectName(name);
    c.meter->setRange(MeterMinimum, MeterMaximum);
    c.meter->setFixedSize(8, 190);
    faderRow->addStretch(1);
    faderRow->addWidget(c.fader);
    faderRow->addWidget(c.meter);
    faderRow->addStretch(1);
    column->addLayout(faderRow);
    connect(c.fader, &Fader::valueChanged, this, &LevelWidget::gainFaderValueChanged);

    c.gainEdit = new LineEdit(parent);
    c.gainEdit->setObjectName(name);
    c.gainEdit->setProperty("control", QLatin1String("gain"));
    c.gainEdit->setAlignment(Qt::AlignCenter);
    c.gainEdit->setText(QStringLiteral("0.0"));
    column->addWidget(c.gainEdit);
    connect(c.gainEdit, &QLineEdit::editingFinished, this, &LevelWidget::gainEditEditingFinished);

    c.muteButton = toggleButton(channel, "mute", parent);
    column->addWidget(c.muteButton);
    connect(c.muteButton, &QPushButton::clicked, this, &LevelWidget::muteButtonClicked);
    c.invertButton = toggleButton(channel, "invert", parent);
    column->addWidget(c.invertButton);
    connect(c.invertButton, &QPushButton::clicked, this, &LevelWidget::invertButtonClicked);
    if (side() == Inputs) {
        c.priorityButton = toggleButton(channel, "priority", parent);
        column->addWidget(c.priorityButton);
        connect(c.priorityButton, &QPushButton::clicked, this, &LevelWidget::priorityButtonClicked);
    }

    c.groupCaption = new QLabel(parent);
    c.groupCaption->setObjectName(QStringLiteral("stripCaptionLabel"));
    c.groupCaption->setAlignment(Qt::AlignCenter);
    column->addWidget(c.groupCaption);
    c.groupComboBox = new ComboBox(parent);
    c.groupComboBox->setObjectName(name);
    c.groupComboBox->setProperty("control", QLatin1String("group"));
    c.groupComboBox->addItem(QStringLiteral("-"));
    for (int g = 1; g <= Groups; ++g)
        c.groupComboBox->addItem(QString::number(g));
    column->addWidget(c.groupComboBox);
    connect(c.groupComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &LevelWidget::groupComboBoxCurrentIndexChanged);
    column->addStretch(1);
}

void LevelWidget::retranslate()
{
    for (Controls &c : m_controls) {
        c.muteButton->setText(tr("Mute"));
        c.invertButton->setText(tr("Invert"));
        if (c.priorityButton)
            c.priorityButton->setText(tr("Priority"));
        c.groupCaption->setText(tr("Group"));
    }
}

void LevelWidget::showChannel(int channel)
{
    const Level l = level(channel);
    Controls &c = m_controls[size_t(channel)];
    // The fader under the user's hand is not moved by reports from the device.
    if (channel != m_heldChannel || m_userChange)
        c.fader->setValue(double(*l.gain));
    showText(c.gainEdit, gainText(*l.gain));
    c.muteButton->setChecked(*l.mute != 0);
    c.invertButton->setChecked(*l.invert != 0);
    if (c.priorityButton)
        c.priorityButton->setChecked(*l.priority != 0);
    c.groupComboBox->setCurrentIndex(*l.group <= Groups ? int(*l.group) : 0);
    c.meter->setLevel(l.meter);
}

void LevelWidget::refreshMeters()
{
    for (int ch = 0; ch < channelCount(); ++ch)
        m_controls[size_t(ch)].meter->setLevel(level(ch).meter);
}

void LevelWidget::gang(int channel, const std::function<void(const Level &)> &change)
{
    const quint8 group = *level(channel).group;
    if (group == 0)
        return;
    for (int other = 0; other < channelCount(); ++other) {
        if (other == channel)
            continue;
        const Level l = level(other);
        if (*l.group != group)
            continue;
        change(l);
        refreshChannel(other);
    }
}

void LevelWidget::groupComboBoxCurrentIndexChanged(int index)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= channelCount() || index < 0 || index > Groups)
        return;
    const UserChange marker(m_userChange);
    for (int c : pairedChannels(ch)) {
        *level(c).group = quint8(index);
        refreshChannel(c);
        emit groupChanged(c, index);
    }
}

void LevelWidget::invertButtonClicked(bool on)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= channelCount())
        return;
    const UserChange marker(m_userChange);
    for (int c : pairedChannels(ch)) {
        *level(c).invert = on ? 1 : 0;
        gang(c, [on](const Level &l) { *l.invert = on ? 1 : 0; });
        refreshChannel(c);
        emit invertChanged(c, on);
    }
}

void LevelWidget::muteButtonClicked(bool on)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= channelCount())
        return;
    const UserChange marker(m_userChange);
    for (int c : pairedChannels(ch)) {
        *level(c).mute = on ? 1 : 0;
        gang(c, [on](const Level &l) { *l.mute = on ? 1 : 0; });
        refreshChannel(c);
        emit muteChanged(c, on);
    }
}

void LevelWidget::priorityButtonClicked(bool on)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= channelCount() || side() != Inputs)
        return;
    const UserChange marker(m_userChange);
    for (int c : pairedChannels(ch)) {
        *level(c).priority = on ? 1 : 0;
        refreshChannel(c);
        emit priorityChanged(c, on);
    }
}

void LevelWidget::gainFaderValueChanged(float gain)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= channelCount())
        return;
    applyGain(ch, gain);
}

void LevelWidget::gainEditEditingFinished()
{
    auto *edit = qobject_cast<QLineEdit *>(sender());
    const int ch = channelOf(edit);
    if (!edit || ch < 0 || ch >= channelCount())
        return;
    const std::optional<double> typed = editNumber(edit->text());
    if (!typed) {
        // Not a number: the edit shows the gain again and nothing is sent.
        settleEdit(edit, this, &LevelWidget::gainEditEditingFinished, gainText(*level(ch).gain));
        return;
    }
    // One decimal, as the fader moves.
    const float gain = float(std::round(qBound(-1000.0, *typed, 1000.0) * 10.0) / 10.0);
    settleEdit(edit, this, &LevelWidget::gainEditEditingFinished, edit->text());
    applyGain(ch, gain);
}

void LevelWidget::applyGain(int channel, float gain)
{
    const UserChange marker(m_userChange);
    for (int c : pairedChannels(channel)) {
        // Each channel keeps within the limits the device set for its fader.
        const Level l = level(c);
        const float limited = qBound(l.gainMin, gain, l.gainMax);
        *l.gain = limited;
        gang(c,
             [gain](const Level &mate) { *mate.gain = qBound(mate.gainMin, gain, mate.gainMax); });
        refreshChannel(c);
        emit gainChanged(c, limited);
    }
}

bool LevelWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const int ch = channelOf(watched);
        if (ch >= 0 && m_controls[size_t(ch)].fader == watched)
            m_heldChannel = ch;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (m_heldChannel >= 0 && m_controls[size_t(m_heldChannel)].fader == watched) {
            // Let go: the fader shows what the mirror holds now.
            const int ch = m_heldChannel;
            m_heldChannel = -1;
            refreshChannel(ch);
        }
    }
    return ChannelStripWidget::eventFilter(watched, event);
}
