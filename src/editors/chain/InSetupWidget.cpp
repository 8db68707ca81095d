#include "InSetupWidget.h"

#include "widgets/Knob.h"
#include "widgets/LineEdit.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace {

enum Mode { Mic = 0, Line = 1, Usb = 2 };

QPushButton *toggleButton(int channel, const char *control, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::number(channel));
    button->setProperty("control", QLatin1String(control));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// The gain with one decimal, or with the further decimals (up to three) of a gain typed so.
QString gainText(float gain)
{
    QString text = QString::number(double(gain), 'f', 3);
    while (text.endsWith(QLatin1Char('0')) && text.indexOf(QLatin1Char('.')) < text.size() - 2)
        text.chop(1);
    return text;
}

} // namespace

InSetupWidget::InSetupWidget(DataModel *model, QWidget *parent)
    : ChannelStripWidget(model, Inputs, Channels, parent), m_controls(Channels)
{
    setObjectName(QStringLiteral("inSetupWidget"));
    buildColumns(116);
}

void InSetupWidget::buildChannel(int channel, QVBoxLayout *column)
{
    QWidget *parent = channelWidget(channel);
    Controls &c = m_controls[size_t(channel)];
    const QString name = QString::number(channel);

    c.modeGroup = new QButtonGroup(parent);
    c.modeGroup->setObjectName(name);
    auto *modes = new QHBoxLayout;
    modes->setSpacing(0);
    const int modeCount = channel < 2 ? 3 : 2;
    for (int id = 0; id < modeCount; ++id) {
        QPushButton *button = toggleButton(channel, "mode", parent);
        c.modeGroup->addButton(button, id);
        c.modeButtons.push_back(button);
        modes->addWidget(button);
    }
    styleModeButtons(channel);
    column->addLayout(modes);
    connect(c.modeGroup, &QButtonGroup::idClicked, this,
            &InSetupWidget::modeButtonGroupButtonClicked);

    c.gainLabel = new QLabel(parent);
    c.gainLabel->setObjectName(QStringLiteral("stripCaptionLabel"));
    c.gainLabel->setAlignment(Qt::AlignCenter);
    c.gainLabel->setWordWrap(true);
    column->addSpacing(4);
    column->addWidget(c.gainLabel);
    c.gainKnob = new Knob(parent);
    c.gainKnob->setObjectName(name);
    c.gainKnob->setSizeCode(Knob::Small);
    c.gainKnob->setRange(0, GainKnobMaximum); // tenths of a dB, one per notch or arrow key
    column->addWidget(c.gainKnob, 0, Qt::AlignHCenter);
    connect(c.gainKnob, &Knob::valueChanged, this, &InSetupWidget::gainKnobValueChanged);
    c.gainEdit = new LineEdit(parent);
    c.gainEdit->setObjectName(name);
    c.gainEdit->setProperty("control", QLatin1String("gain"));
    c.gainEdit->setAlignment(Qt::AlignCenter);
    c.gainEdit->setText(QStringLiteral("0.0"));
    column->addWidget(c.gainEdit);
    connect(c.gainEdit, &QLineEdit::editingFinished, this, &InSetupWidget::gainEditEditingFinished);

    column->addSpacing(4);
    c.muteButton = toggleButton(channel, "mute", parent);
    column->addWidget(c.muteButton);
    connect(c.muteButton, &QPushButton::clicked, this, &InSetupWidget::muteButtonClicked);
    c.phantomButton = toggleButton(channel, "phantom", parent);
    column->addWidget(c.phantomButton);
    connect(c.phantomButton, &QPushButton::clicked, this, &InSetupWidget::_48VButtonClicked);
    column->addStretch(1);
}

void InSetupWidget::retranslate()
{
    for (Controls &c : m_controls) {
        const QString texts[] = {tr("Mic"), tr("Line"), tr("USB")};
        for (size_t id = 0; id < c.modeButtons.size(); ++id)
            c.modeButtons[id]->setText(texts[id]);
        c.gainLabel->setText(tr("Gain") + QLatin1Char(' ') + tr("(dBu)"));
        c.muteButton->setText(tr("Mute"));
        c.phantomButton->setText(tr("48V"));
    }
}

void InSetupWidget::showChannel(int channel)
{
    const InputChannel &in = model()->input(channel);
    Controls &c = m_controls[size_t(channel)];
    if (QAbstractButton *mode = c.modeGroup->button(int(in.inputMode))) {
        mode->setChecked(true);
    } else {
        // A mode this input does not offer: no button is shown pressed.
        c.modeGroup->setExclusive(false);
        for (QPushButton *button : c.modeButtons)
            button->setChecked(false);
        c.modeGroup->setExclusive(true);
    }
    c.gainKnob->setValue(int(std::lround(in.inputGain * 10.0f)));
    showText(c.gainEdit, gainText(in.inputGain));
    c.muteButton->setChecked(in.mute != 0);
    c.phantomButton->setChecked(in.phantom != 0);
}

void InSetupWidget::setUsbModeAvailable(bool available)
{
    if (m_usbAvailable == available)
        return;
    m_usbAvailable = available;
    for (int ch = 0; ch < 2; ++ch)
        styleModeButtons(ch);
}

void InSetupWidget::styleModeButtons(int channel)
{
    Controls &c = m_controls[size_t(channel)];
    if (c.modeButtons.size() > Usb)
        c.modeButtons[Usb]->setVisible(m_usbAvailable);
    int last = int(c.modeButtons.size()) - 1;
    if (last == Usb && !m_usbAvailable)
        last = Line;
    for (int id = 0; id < int(c.modeButtons.size()); ++id) {
        const char *position = id == 0 ? "first" : (id == last ? "last" : "middle");
        QPushButton *button = c.modeButtons[size_t(id)];
        button->setProperty("horizontalButtonPosition", QLatin1String(position));
        button->style()->unpolish(button);
        button->style()->polish(button);
    }
}

void InSetupWidget::switchToUsb()
{
    if (m_controls.empty() || m_controls[0].modeButtons.size() <= size_t(Usb))
        return;
    m_controls[0].modeButtons[Usb]->click();
}

void InSetupWidget::modeButtonGroupButtonClicked(int mode)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= Channels)
        return;
    // Inputs 1 and 2 enter and leave USB mode together.
    if (ch == 0 || ch == 1) {
        const Controls &other = m_controls[size_t(1 - ch)];
        const int otherMode = other.modeGroup->checkedId();
        if (otherMode != mode && (mode == Usb || otherMode == Usb)) {
            if (QAbstractButton *button = other.modeGroup->button(mode))
                button->click();
        }
    }
    InputChannel &in = model()->input(ch);
    if (in.inputMode == quint32(mode))
        return;
    if (mode == Usb && model()->input(0).mute != model()->input(1).mute) {
        const int unmuted = model()->input(0).mute ? 1 : 0;
        m_controls[size_t(unmuted)].muteButton->click();
    }
    if (in.phantom)
        m_controls[size_t(ch)].phantomButton->click();
    if (in.inputGain != 0.0f) {
        in.inputGain = 0.0f;
        refreshChannel(ch);
        model()->sendWrite(Msg::InputGain, SetPayload::channelFloat(quint8(ch), 0.0f));
    }
    in.inputMode = quint32(mode);
    // The refreshes on the way showed the mode still stored then.
    refreshChannel(ch);
    model()->sendWrite(Msg::InputMode, SetPayload::channelByte(quint8(ch), quint8(mode)));
}

void InSetupWidget::muteButtonClicked(bool on)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= Channels)
        return;
    for (int c : pairedChannels(ch)) {
        model()->input(c).mute = on ? 1 : 0;
        refreshChannel(c);
        model()->sendWrite(Msg::InputMute, SetPayload::channelByte(quint8(c), on ? 1 : 0));
    }
}

void InSetupWidget::_48VButtonClicked(bool on)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= Channels)
        return;
    for (int c : pairedChannels(ch)) {
        model()->input(c).phantom = on ? 1 : 0;
        refreshChannel(c);
        model()->sendWrite(Msg::InputPhantom, SetPayload::channelByte(quint8(c), on ? 1 : 0));
    }
}

void InSetupWidget::gainKnobValueChanged(int value)
{
    const int ch = channelOf(sender());
    if (ch < 0 || ch >= Channels)
        return;
    const float gain = float(value) / 10.0f;
    for (int c : pairedChannels(ch)) {
        model()->input(c).inputGain = gain;
        refreshChannel(c);
        model()->queueWrite(Msg::InputGain, quint8(c), 255,
                            SetPayload::channelFloat(quint8(c), gain));
    }
}

void InSetupWidget::gainEditEditingFinished()
{
    auto *edit = qobject_cast<QLineEdit *>(sender());
    const int ch = channelOf(edit);
    if (!edit || ch < 0 || ch >= Channels)
        return;
    const Knob *knob = m_controls[size_t(ch)].gainKnob;
    const std::optional<double> typed = editNumber(edit->text());
    if (!typed) {
        // Not a number: the edit shows the gain again and nothing is sent.
        settleEdit(edit, this, &InSetupWidget::gainEditEditingFinished,
                   gainText(model()->input(ch).inputGain));
        return;
    }
    // The gain as typed, within the knob's limits.
    const float gain = float(qBound(knob->minimum() / 10.0, *typed, knob->maximum() / 10.0));
    settleEdit(edit, this, &InSetupWidget::gainEditEditingFinished, gainText(gain));
    for (int c : pairedChannels(ch)) {
        model()->input(c).inputGain = gain;
        refreshChannel(c);
        model()->sendWrite(Msg::InputGain, SetPayload::channelFloat(quint8(c), gain));
    }
}
