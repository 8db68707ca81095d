#include "CommandSystemMuteWidget.h"

#include "model/CommandText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

CommandSystemMuteWidget::CommandSystemMuteWidget(QWidget *parent) : CommandPage(parent)
{
    m_group = new QGroupBox(this);
    m_muteButton = new QPushButton(m_group);
    m_muteButton->setObjectName(QStringLiteral("muteButton"));
    m_muteButton->setCheckable(true);
    m_muteButton->setAutoDefault(false);
    m_generateButton = createGenerateButton(QStringLiteral("generateButton"));
    m_generateButton->setParent(m_group);

    auto *row = new QHBoxLayout(m_group);
    row->addWidget(m_muteButton);
    row->addStretch(1);
    row->addWidget(m_generateButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addStretch(1);

    connect(m_generateButton, &QPushButton::clicked, this,
            &CommandSystemMuteWidget::generateButtonClicked);
    retranslate();
}

void CommandSystemMuteWidget::generateButtonClicked()
{
    const CommandText::Command command = CommandText::systemMute(m_muteButton->isChecked());
    emitCommand(command.id, command.payload);
}

void CommandSystemMuteWidget::retranslate()
{
    m_group->setTitle(tr("System Mute"));
    m_muteButton->setText(tr("System Mute"));
    m_generateButton->setText(tr("Generate Command"));
}
