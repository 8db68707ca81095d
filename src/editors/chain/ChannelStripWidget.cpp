#include "ChannelStripWidget.h"

#include "ChannelNameEdit.h"

#include "widgets/OverlayScrollArea.h"
#include "model/DataModel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int AllChannels = 255;
constexpr int FirstMaskedChannel = 8; // channels 1 to 8 are always present
constexpr int DanteIconSize = 16;

} // namespace

ChannelStripWidget::ChannelStripWidget(DataModel *model, Side side, int channelCount,
                                       QWidget *parent)
    : QWidget(parent), m_model(model), m_side(side), m_columns(size_t(channelCount))
{
    m_scrollArea = new OverlayScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("stripScrollArea"));
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
}

void ChannelStripWidget::buildColumns(int columnWidth)
{
    // Built inside the scroll area, for the same reason as the pages.
    auto *content = new QWidget(m_scrollArea->viewport());
    content->setObjectName(QStringLiteral("stripContent"));
    auto *row = new QHBoxLayout(content);
    row->setContentsMargins(4, 4, 4, 4);
    row->setSpacing(6);
    for (int ch = 0; ch < channelCount(); ++ch) {
        Column &c = m_columns[size_t(ch)];
        c.widget = new QWidget(content);
        c.widget->setObjectName(QStringLiteral("channelWidget"));
        c.widget->setAttribute(Qt::WA_StyledBackground);
        c.widget->setFixedWidth(columnWidth);
        auto *column = new QVBoxLayout(c.widget);
        column->setContentsMargins(5, 6, 5, 8);
        column->setSpacing(6);

        auto *header = new QHBoxLayout;
        header->setSpacing(3);
        c.nameEdit = new ChannelNameEdit(c.widget);
        c.danteLabel = new QLabel(c.widget);
        c.danteLabel->setObjectName(QStringLiteral("danteStatusLabel"));
        c.danteLabel->setFixedSize(DanteIconSize, DanteIconSize);
        c.danteLabel->setScaledContents(true);
        c.danteLabel->hide();
        header->addWidget(c.nameEdit, 1);
        header->addWidget(c.danteLabel);
        column->addLayout(header);

        buildChannel(ch, column);
        row->addWidget(c.widget, 0, Qt::AlignTop);
    }
    row->addStretch(1);
    m_scrollArea->setWidget(content);
    retranslate();
    refresh();
}

void ChannelStripWidget::refresh()
{
    refreshChannel(AllChannels);
    refreshLabels();
    refreshDanteState();
}

void ChannelStripWidget::refreshChannel(int channel)
{
    if (channel == AllChannels) {
        for (int ch = 0; ch < channelCount(); ++ch)
            refreshChannel(ch);
        return;
    }
    if (channel < 0 || channel >= channelCount())
        return;
    // The column's controls (named after the channel) stay silent while they are set from the
    // mirror. Only they: the parts inside a control, such as the text engine of an edit, tell
    // the control to repaint through their own signals, and an edit held silent would go on
    // showing its old number.
    QWidget *column = m_columns[size_t(channel)].widget;
    const QList<QObject *> controls = column->findChildren<QObject *>(QString::number(channel));
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    blockers.reserve(size_t(controls.size()));
    for (QObject *control : controls)
        blockers.push_back(std::make_unique<QSignalBlocker>(control));
    showChannel(channel);
}

void ChannelStripWidget::refreshLabels()
{
    for (int ch = 0; ch < channelCount(); ++ch)
        refreshLabel(ch);
}

void ChannelStripWidget::refreshLabel(int channel)
{
    if (channel == AllChannels) {
        refreshLabels();
        return;
    }
    if (channel < 0 || channel >= channelCount())
        return;
    m_columns[size_t(channel)].nameEdit->setName(channelName(channel));
}

void ChannelStripWidget::refreshDanteState()
{
    const bool connected = m_model->deviceInfo().danteConnected == 1;
    const QPixmap icon(connected ? QStringLiteral(":/image/dante_connected.png")
                                 : QStringLiteral(":/image/dante_disconnected.png"));
    const QString tip = connected ? tr("Dante connected") : tr("Dante disconnected");
    for (const Column &c : m_columns) {
        c.danteLabel->setPixmap(icon);
        c.danteLabel->setToolTip(tip);
        c.danteLabel->setVisible(c.dante);
    }
}

void ChannelStripWidget::applyChannelConfig(quint32 inputMask, quint32 outputMask,
                                            quint32 danteInputMask, quint32 danteOutputMask)
{
    const quint32 hidden = m_side == Inputs ? inputMask : outputMask;
    const quint32 dante = m_side == Inputs ? danteInputMask : danteOutputMask;
    for (int ch = 0; ch < channelCount(); ++ch) {
        Column &c = m_columns[size_t(ch)];
        c.present = !maskHas(hidden, ch);
        c.dante = maskHas(dante, ch);
        c.widget->setHidden(!c.present);
        c.danteLabel->setVisible(c.dante);
    }
    // A new configuration renames channels (Dante inputs and outputs have names of their own).
    refreshLabels();
}

bool ChannelStripWidget::maskHas(quint32 mask, int channel)
{
    const int bit = channel - FirstMaskedChannel;
    return bit >= 0 && bit < 32 && (mask >> bit) & 1U;
}

bool ChannelStripWidget::isChannelPresent(int channel) const
{
    return channel >= 0 && channel < channelCount() && m_columns[size_t(channel)].present;
}

bool ChannelStripWidget::isDanteChannel(int channel) const
{
    return channel >= 0 && channel < channelCount() && m_columns[size_t(channel)].dante;
}

QWidget *ChannelStripWidget::channelWidget(int channel) const
{
    if (channel < 0 || channel >= channelCount())
        return nullptr;
    return m_columns[size_t(channel)].widget;
}

void ChannelStripWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        refreshDanteState();
    }
    QWidget::changeEvent(event);
}

int ChannelStripWidget::channelOf(const QObject *control)
{
    bool ok = false;
    const int channel = control ? control->objectName().toInt(&ok) : -1;
    return ok ? channel : -1;
}

std::optional<double> ChannelStripWidget::editNumber(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void ChannelStripWidget::showText(QLineEdit *edit, const QString &text)
{
    if (edit->hasFocus() && edit->isModified())
        return;
    edit->setText(text);
}

QString ChannelStripWidget::channelName(int channel) const
{
    if (m_side == Inputs) {
        const InputChannel &in = m_model->input(channel);
        return in.label.isEmpty() ? in.defaultName : in.label;
    }
    const OutputChannel &out = m_model->output(channel);
    return out.label.isEmpty() ? out.defaultName : out.label;
}

std::vector<int> ChannelStripWidget::pairedChannels(int channel) const
{
    if (m_side == Inputs && (channel == 0 || channel == 1)
        && m_model->input(channel).inputMode == UsbMode)
        return {channel, 1 - channel};
    return {channel};
}
