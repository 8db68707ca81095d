#include "ANCWidget3.h"

#include <QPushButton>

ANCWidget3::ANCWidget3(DataModel *model, QWidget *parent)
    : ANCWidget2(model, parent), m_info(addInstructionsButton())
{
    connect(m_info, &QPushButton::clicked, this, &ANCWidget3::infoButtonClicked);
    retranslate();
}

void ANCWidget3::infoButtonClicked()
{
    showInstructions(tr("Instructions for using ANC"),
                     {tr("1. Select the input channel for noise cancellation."),
                      tr("2. Set the noise cancellation suppression level and enable noise "
                         "cancellation."),
                      tr("3. Mix the noise cancellation signal to the output channel.")},
                     QStringLiteral("AncLogic"));
}

void ANCWidget3::retranslate()
{
    ANCWidget2::retranslate();
    if (m_info)
        m_info->setText(tr("Instructions"));
}
