#include "panel/DeviceItemWidget.h"

#include "panel/DeviceText.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QVariant>

namespace {

QLabel *createLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

DeviceItemWidget::DeviceItemWidget(QWidget *parent)
    : QFrame(parent), m_stateDot(createLabel("deviceStateDot", this)),
      m_addressLabel(createLabel("deviceAddressLabel", this)),
      m_modelLabel(createLabel("deviceModelLabel", this)),
      m_presetLabel(createLabel("devicePresetLabel", this)),
      m_loginLabel(createLabel("deviceLoginLabel", this)),
      m_stateLabel(createLabel("deviceStateLabel", this))
{
    setObjectName(QStringLiteral("deviceItemWidget"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(RowHeight);

    m_stateDot->setFixedSize(8, 8);
    QFont addressFont = m_addressLabel->font();
    addressFont.setBold(true);
    addressFont.setPointSizeF(addressFont.pointSizeF() + 1);
    m_addressLabel->setFont(addressFont);
    m_loginLabel->setAlignment(Qt::AlignCenter);
    m_stateLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Long texts are cut at the row's edge instead of widening the list.
    for (QLabel *label : {m_modelLabel, m_presetLabel})
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(2);
    layout->addWidget(m_stateDot, 0, 0, Qt::AlignCenter);
    layout->addWidget(m_addressLabel, 0, 1);
    layout->addWidget(m_loginLabel, 0, 2, Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(m_modelLabel, 1, 1, 1, 2);
    layout->addWidget(m_presetLabel, 2, 1);
    layout->addWidget(m_stateLabel, 2, 2, Qt::AlignRight | Qt::AlignVCenter);
    layout->setColumnStretch(1, 1);

    setAddress(0);
    updateState();
}

void DeviceItemWidget::setAddress(quint32 address)
{
    m_addressLabel->setText(DeviceText::address(address));
}

void DeviceItemWidget::setModel(const QString &model)
{
    m_modelLabel->setText(model);
    m_modelLabel->setToolTip(model);
}

void DeviceItemWidget::setPreset(const QString &preset)
{
    m_presetLabel->setText(preset);
    m_presetLabel->setToolTip(preset);
}

void DeviceItemWidget::setOnline(bool online)
{
    if (online == m_online)
        return;
    m_online = online;
    updateState();
}

void DeviceItemWidget::setFault(bool fault)
{
    if (fault == m_fault)
        return;
    m_fault = fault;
    updateState();
}

void DeviceItemWidget::setLoggedIn(bool loggedIn)
{
    if (loggedIn == m_loggedIn)
        return;
    m_loggedIn = loggedIn;
    updateState();
}

void DeviceItemWidget::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    updateState();
}

QSize DeviceItemWidget::sizeHint() const
{
    return {QFrame::sizeHint().width(), RowHeight};
}

void DeviceItemWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void DeviceItemWidget::retranslate()
{
    m_loginLabel->setText(m_loggedIn ? tr("Logined") : tr("Unlogin"));
    QString state = m_online ? tr("Online") : tr("Offline");
    if (m_fault)
        state += QStringLiteral(" \u00B7 ") + tr("Fault");
    m_stateLabel->setText(state);
}

void DeviceItemWidget::updateState()
{
    setProperty("selected", m_selected);
    setProperty("status", m_loggedIn ? QStringLiteral("1") : QStringLiteral("0"));
    setProperty("browsing", m_online);
    const QString state =
            m_fault ? QStringLiteral("2") : (m_online ? QStringLiteral("1") : QStringLiteral("0"));
    m_stateLabel->setProperty("status", state);
    m_stateDot->setProperty("status", state);
    m_loginLabel->setProperty("status", property("status"));
    retranslate();
    repolish();
}

void DeviceItemWidget::repolish()
{
    style()->unpolish(this);
    style()->polish(this);
    const auto children = findChildren<QWidget *>();
    for (QWidget *child : children) {
        child->style()->unpolish(child);
        child->style()->polish(child);
    }
    update();
}
