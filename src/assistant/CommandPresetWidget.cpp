#include "CommandPresetWidget.h"

#include "model/CommandText.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

CommandPresetWidget::CommandPresetWidget(QWidget *parent) : CommandPage(parent)
{
    m_group = new QGroupBox(this);
    m_numberLabel = new QLabel(m_group);
    m_slotComboBox = new QComboBox(m_group);
    m_slotComboBox->setObjectName(QStringLiteral("slotComboBox"));
    for (int slot = 0; slot < CommandText::PresetSlots; ++slot)
        m_slotComboBox->addItem(QStringLiteral(" %1").arg(slot + 1));
    m_generateButton = createGenerateButton(QStringLiteral("generateButton"));
    m_generateButton->setParent(m_group);

    auto *row = new QHBoxLayout(m_group);
    row->addWidget(m_numberLabel);
    row->addWidget(m_slotComboBox);
    row->addStretch(1);
    row->addWidget(m_generateButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addStretch(1);

    connect(m_generateButton, &QPushButton::clicked, this,
            &CommandPresetWidget::generateButtonClicked);
    retranslate();
}

void CommandPresetWidget::generateButtonClicked()
{
    const CommandText::Command command =
            CommandText::presetLoad(quint8(m_slotComboBox->currentIndex()));
    emitCommand(command.id, command.payload);
}

void CommandPresetWidget::retranslate()
{
    m_group->setTitle(tr("Load Preset"));
    m_numberLabel->setText(tr("NO."));
    m_generateButton->setText(tr("Generate Command"));
}
