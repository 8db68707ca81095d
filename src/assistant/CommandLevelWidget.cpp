#include "CommandLevelWidget.h"

#include "model/CommandText.h"
#include "model/DataModel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>

namespace {

enum Action { Mute = 0, FixedGain = 1, Step = 2 };

} // namespace

CommandLevelWidget::CommandLevelWidget(Side side, const DataModel *model, QWidget *parent)
    : CommandPage(parent), m_side(side), m_model(model)
{
    m_channelComboBox = new QComboBox(this);
    m_channelComboBox->setObjectName(QStringLiteral("channelComboBox"));
    m_channelComboBox->setMinimumWidth(116);
    m_channelComboBox->setMaxVisibleItems(Channels);

    m_muteGroup = new QGroupBox(this);
    m_gainGroup = new QGroupBox(this);
    m_stepGroup = new QGroupBox(this);
    m_muteButton = new QPushButton(m_muteGroup);
    m_muteButton->setObjectName(QStringLiteral("muteButton"));
    m_muteButton->setCheckable(true);
    m_muteButton->setAutoDefault(false);
    m_gainSpinBox = createSpinBox(QStringLiteral("gainSpinBox"));
    m_stepSpinBox = createSpinBox(QStringLiteral("stepSpinBox"));

    const std::array<QGroupBox *, 3> groups {m_muteGroup, m_gainGroup, m_stepGroup};
    const std::array<QWidget *, 3> controls {m_muteButton, m_gainSpinBox, m_stepSpinBox};
    auto *layout = new QVBoxLayout(this);
    auto *channelRow = new QHBoxLayout;
    channelRow->addWidget(m_channelComboBox);
    channelRow->addStretch(1);
    layout->addLayout(channelRow);
    auto *groupRow = new QHBoxLayout;
    for (size_t i = 0; i < groups.size(); ++i) {
        QPushButton *button = createGenerateButton(QString::number(i));
        button->setParent(groups[i]);
        m_generateButtons[i] = button;
        connect(button, &QPushButton::clicked, this, &CommandLevelWidget::generateButtonClicked);
        auto *column = new QVBoxLayout(groups[i]);
        column->addWidget(controls[i]);
        column->addWidget(button);
        groupRow->addWidget(groups[i], 1);
    }
    layout->addLayout(groupRow);
    layout->addStretch(1);

    rebuildChannelList();
    retranslate();
}

QDoubleSpinBox *CommandLevelWidget::createSpinBox(const QString &objectName)
{
    auto *spinBox = new QDoubleSpinBox(this);
    spinBox->setObjectName(objectName);
    spinBox->setRange(CommandText::MinimumGain, CommandText::MaximumGain);
    spinBox->setDecimals(1);
    spinBox->setSingleStep(0.1);
    spinBox->setSuffix(QStringLiteral(" dB"));
    spinBox->setValue(0.0);
    spinBox->setFixedHeight(20);
    spinBox->setMinimumWidth(90);
    spinBox->installEventFilter(this);
    return spinBox;
}

bool CommandLevelWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_gainSpinBox || watched == m_stepSpinBox) {
                static_cast<QDoubleSpinBox *>(watched)->interpretText();
                m_generateButtons[watched == m_gainSpinBox ? FixedGain : Step]->click();
                return true;
            }
        }
    }
    return CommandPage::eventFilter(watched, event);
}

void CommandLevelWidget::generateButtonClicked()
{
    const QString name = sender() ? sender()->objectName() : QString();
    const quint8 channel = quint8(m_channelComboBox->currentData().toUInt());
    const bool inputs = m_side == Inputs;
    CommandText::Command command;
    if (name == QLatin1String("0")) {
        const bool mute = m_muteButton->isChecked();
        command = inputs ? CommandText::inputMute(channel, mute)
                         : CommandText::outputMute(channel, mute);
    } else if (name == QLatin1String("1")) {
        const double gain = m_gainSpinBox->value();
        command = inputs ? CommandText::inputGain(channel, gain)
                         : CommandText::outputGain(channel, gain);
    } else if (name == QLatin1String("2")) {
        const double step = m_stepSpinBox->value();
        command = inputs ? CommandText::inputStep(channel, step)
                         : CommandText::outputStep(channel, step);
    } else {
        return;
    }
    emitCommand(command.id, command.payload);
}

void CommandLevelWidget::applyChannelConfig(quint32 inputMask, quint32 outputMask,
                                            quint32 danteInputMask, quint32 danteOutputMask)
{
    m_configured = true;
    m_hiddenMask = m_side == Inputs ? inputMask : outputMask;
    m_danteMask = m_side == Inputs ? danteInputMask : danteOutputMask;
    rebuildChannelList();
}

QString CommandLevelWidget::channelText(int channel) const
{
    return (m_side == Inputs ? tr("IN") : tr("OUT")) + QStringLiteral(" %1").arg(channel + 1);
}

void CommandLevelWidget::rebuildChannelList()
{
    const int selected = m_channelComboBox->currentData().isValid()
            ? m_channelComboBox->currentData().toInt()
            : 0;
    const QIcon danteIcon(m_model && m_model->mirror().device.danteConnected == 1
                                  ? QStringLiteral(":/image/dante_connected.png")
                                  : QStringLiteral(":/image/dante_disconnected.png"));
    const QSignalBlocker blocker(m_channelComboBox);
    m_channelComboBox->clear();
    for (int channel = 0; channel < Channels; ++channel) {
        const int bit = channel - FixedChannels;
        if (bit < 0 || !m_configured || !m_model) {
            m_channelComboBox->addItem(channelText(channel), channel);
            continue;
        }
        if ((m_hiddenMask >> bit) & 1U)
            continue;
        QString name;
        if (m_side == Inputs) {
            const InputChannel &in = m_model->mirror().inputs[size_t(channel)];
            name = in.label.isEmpty() ? in.defaultName : in.label;
        } else {
            const OutputChannel &out = m_model->mirror().outputs[size_t(channel)];
            name = out.label.isEmpty() ? out.defaultName : out.label;
        }
        if ((m_danteMask >> bit) & 1U)
            m_channelComboBox->addItem(danteIcon, name, channel);
        else
            m_channelComboBox->addItem(name, channel);
    }
    const int index = m_channelComboBox->findData(selected);
    m_channelComboBox->setCurrentIndex(index >= 0 ? index : 0);
}

void CommandLevelWidget::retranslate()
{
    m_muteGroup->setTitle(tr("Mute"));
    m_gainGroup->setTitle(tr("Gain(Fixed Value)"));
    m_stepGroup->setTitle(tr("Gain(Increment/Decrement)"));
    m_muteButton->setText(tr("Mute"));
    for (QPushButton *button : m_generateButtons)
        button->setText(tr("Generate Command"));
    rebuildChannelList();
}
