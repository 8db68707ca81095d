#include "ChannelButtonBar.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGridLayout>
#include <QPushButton>
#include <QVariant>

namespace {

constexpr int ButtonsPerRow = 9;
constexpr int ButtonWidth = 92;

} // namespace

ChannelButtonBar::ChannelButtonBar(int channelCount, QWidget *parent)
    : QWidget(parent), m_group(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("channelButtonBar"));
    m_group->setExclusive(true);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    for (int ch = 0; ch < channelCount; ++ch) {
        auto *button = new QPushButton(this);
        button->setObjectName(QString::number(ch));
        button->setProperty("control", QLatin1String("channel"));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedWidth(ButtonWidth);
        m_group->addButton(button, ch);
        grid->addWidget(button, ch / ButtonsPerRow, ch % ButtonsPerRow);
        m_buttons.push_back(button);
    }
    grid->setColumnStretch(ButtonsPerRow, 1);
    if (!m_buttons.empty())
        m_buttons.front()->setChecked(true);
}

QAbstractButton *ChannelButtonBar::button(int channel) const
{
    return channel >= 0 && channel < channelCount() ? m_buttons[size_t(channel)] : nullptr;
}

void ChannelButtonBar::setChannelName(int channel, const QString &name)
{
    if (channel < 0 || channel >= channelCount())
        return;
    QPushButton *button = m_buttons[size_t(channel)];
    // A long label is shortened on the button and shown whole in its tip.
    const QFontMetrics metrics(button->font());
    button->setText(metrics.elidedText(name, Qt::ElideRight, ButtonWidth - 26));
    button->setToolTip(name);
}

void ChannelButtonBar::setChannelPresent(int channel, bool present)
{
    if (channel >= 0 && channel < channelCount())
        m_buttons[size_t(channel)]->setHidden(!present);
}

bool ChannelButtonBar::isChannelPresent(int channel) const
{
    return channel >= 0 && channel < channelCount() && !m_buttons[size_t(channel)]->isHidden();
}

void ChannelButtonBar::setCurrent(int channel)
{
    if (channel >= 0 && channel < channelCount())
        m_buttons[size_t(channel)]->setChecked(true);
}
