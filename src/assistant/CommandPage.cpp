#include "CommandPage.h"

#include <QEvent>
#include <QPushButton>

CommandPage::CommandPage(QWidget *parent) : QWidget(parent) { }

void CommandPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

QPushButton *CommandPage::createGenerateButton(const QString &objectName)
{
    auto *button = new QPushButton(this);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

void CommandPage::emitCommand(MessageId id, const QByteArray &payload)
{
    emit generateCommand(id.type, id.subType, id.funcId, payload);
}
