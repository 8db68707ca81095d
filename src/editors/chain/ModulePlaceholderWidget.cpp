#include "ModulePlaceholderWidget.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

ModulePlaceholderWidget::ModulePlaceholderWidget(QWidget *parent)
    : QWidget(parent), m_titleLabel(new QLabel(this)), m_textLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("modulePlaceholderWidget"));
    m_titleLabel->setObjectName(QStringLiteral("placeholderTitleLabel"));
    m_titleLabel->setAlignment(Qt::AlignCenter);
    QFont font = m_titleLabel->font();
    font.setBold(true);
    font.setPointSize(12);
    m_titleLabel->setFont(font);
    m_textLabel->setObjectName(QStringLiteral("placeholderTextLabel"));
    m_textLabel->setAlignment(Qt::AlignCenter);
    m_textLabel->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(m_titleLabel);
    layout->addSpacing(6);
    layout->addWidget(m_textLabel);
    layout->addStretch(2);
    retranslate();
}

void ModulePlaceholderWidget::setTitle(const QString &title)
{
    m_titleLabel->setText(title);
}

QString ModulePlaceholderWidget::title() const
{
    return m_titleLabel->text();
}

void ModulePlaceholderWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ModulePlaceholderWidget::retranslate()
{
    m_textLabel->setText(
            tr("This module cannot be edited in this version of the program. The device keeps "
               "its settings; the other pages work as usual."));
}
