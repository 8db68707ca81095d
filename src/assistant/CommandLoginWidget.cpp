#include "CommandLoginWidget.h"

#include "model/CommandText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CommandLoginWidget::CommandLoginWidget(QWidget *parent) : CommandPage(parent)
{
    m_group = new QGroupBox(this);
    m_passwordLabel = new QLabel(m_group);
    m_passwordEdit = new QLineEdit(m_group);
    m_passwordEdit->setObjectName(QStringLiteral("passwordEdit"));
    m_passwordEdit->setEchoMode(QLineEdit::Password);
    m_passwordEdit->setMinimumSize(80, 20);
    m_generateButton = createGenerateButton(QStringLiteral("generateButton"));
    m_generateButton->setParent(m_group);

    auto *row = new QHBoxLayout(m_group);
    row->addWidget(m_passwordLabel);
    row->addWidget(m_passwordEdit, 1);
    row->addWidget(m_generateButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addStretch(1);

    connect(m_passwordEdit, &QLineEdit::returnPressed, this,
            &CommandLoginWidget::generateButtonClicked);
    connect(m_generateButton, &QPushButton::clicked, this,
            &CommandLoginWidget::generateButtonClicked);
    retranslate();
}

void CommandLoginWidget::generateButtonClicked()
{
    const CommandText::Command command = CommandText::login(m_passwordEdit->text());
    emitCommand(command.id, command.payload);
}

void CommandLoginWidget::retranslate()
{
    m_group->setTitle(tr("Login(TCP Only)"));
    m_passwordLabel->setText(tr("Password"));
    m_generateButton->setText(tr("Generate Command"));
}
