#include "DynamicsEditor.h"

#include "ChannelButtonBar.h"
#include "DynamicsControl.h"

#include "model/DataModel.h"
#include "widgets/MessageBox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Channels 1 to 8 are in every configuration; the masks count from channel 9.
constexpr int FirstMaskedChannel = 8;

bool maskHas(quint32 mask, int channel)
{
    const int bit = channel - FirstMaskedChannel;
    return bit >= 0 && bit < 32 && (mask >> bit) & 1U;
}

// Outputs and inputs that editors with a channel selector show.
constexpr int CopyInputs = 17;
constexpr int CopyOutputs = 16;

} // namespace

DynamicsEditor::DynamicsEditor(DataModel *model, Side side, int channelCount, QWidget *graph,
                               QWidget *parent)
    : QWidget(parent), m_model(model), m_side(side),
      m_channelBar(new ChannelButtonBar(channelCount, this)),
      m_enabledButton(new QPushButton(this)), m_copyToButton(new QPushButton(this)),
      m_resetButton(new QPushButton(this)), m_controls(new QHBoxLayout)
{
    m_enabledButton->setObjectName(QStringLiteral("enabledButton"));
    m_enabledButton->setCheckable(true);
    m_copyToButton->setObjectName(QStringLiteral("copyToButton"));
    m_resetButton->setObjectName(QStringLiteral("resetButton"));
    for (QPushButton *button : {m_enabledButton, m_copyToButton, m_resetButton}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumWidth(96);
    }

    graph->setParent(this);
    graph->setMinimumSize(graph->minimumSizeHint());

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(m_enabledButton);
    buttons->addStretch(1);
    buttons->addWidget(m_copyToButton);
    buttons->addWidget(m_resetButton);

    m_controls->setSpacing(18);
    auto *settings = new QVBoxLayout;
    settings->setSpacing(16);
    settings->addLayout(buttons);
    settings->addLayout(m_controls);
    settings->addStretch(1);

    auto *body = new QHBoxLayout;
    body->setSpacing(24);
    body->addWidget(graph, 1);
    body->addLayout(settings, 0);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 12);
    layout->setSpacing(12);
    layout->addWidget(m_channelBar);
    layout->addLayout(body, 1);

    refreshLabels();
}

int DynamicsEditor::channelCount() const
{
    return m_channelBar->channelCount();
}

DynamicsControl *DynamicsEditor::addControl(const KnobScale &scale, const char *role)
{
    auto *control = new DynamicsControl(scale, QLatin1String(role), this);
    m_controls->addWidget(control, 0, Qt::AlignTop);
    return control;
}

void DynamicsEditor::loadChannel(int channel)
{
    if (channel < 0 || channel >= channelCount())
        return;
    m_channel = channel;
    m_channelBar->setCurrent(channel);
    showChannel();
}

void DynamicsEditor::refreshLabels()
{
    for (int ch = 0; ch < channelCount(); ++ch)
        m_channelBar->setChannelName(ch, channelName(m_side, ch));
}

void DynamicsEditor::applyChannelConfig(quint32 inputMask, quint32 outputMask)
{
    m_hiddenInputs = inputMask;
    m_hiddenOutputs = outputMask;
    const quint32 hidden = m_side == Inputs ? inputMask : outputMask;
    for (int ch = 0; ch < channelCount(); ++ch)
        m_channelBar->setChannelPresent(ch, !maskHas(hidden, ch));
}

QString DynamicsEditor::channelName(Side side, int channel) const
{
    if (side == Inputs) {
        const InputChannel &in = m_model->input(channel);
        return in.label.isEmpty() ? in.defaultName : in.label;
    }
    const OutputChannel &out = m_model->output(channel);
    return out.label.isEmpty() ? out.defaultName : out.label;
}

QList<ChannelCopyDialog::Channel> DynamicsEditor::copyTargets(Side side, int count) const
{
    QList<ChannelCopyDialog::Channel> channels;
    const quint32 hidden = side == Inputs ? m_hiddenInputs : m_hiddenOutputs;
    const int limit = qMin(count, side == Inputs ? CopyInputs : CopyOutputs);
    for (int ch = 0; ch < limit; ++ch) {
        if (maskHas(hidden, ch) || (side == m_side && ch == m_channel))
            continue;
        channels << ChannelCopyDialog::Channel {ch, channelName(side, ch)};
    }
    return channels;
}

bool DynamicsEditor::confirmReset(const QString &question)
{
    return MessageBox::ask(this, MessageBox::Warning, tr("Reset"), question,
                           {tr("Reset"), tr("Cancel")})
            == 0;
}

void DynamicsEditor::retranslateFrame()
{
    m_enabledButton->setText(tr("Enabled"));
    m_copyToButton->setText(tr("Copy To"));
    m_resetButton->setText(tr("Reset"));
}

void DynamicsEditor::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateFrame();
        retranslate();
        refreshLabels();
    }
    QWidget::changeEvent(event);
}
