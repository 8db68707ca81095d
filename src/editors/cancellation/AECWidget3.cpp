#include "AECWidget3.h"

#include <QPushButton>

AECWidget3::AECWidget3(DataModel *model, QWidget *parent)
    : AECWidget2(model, parent), m_info(addInstructionsButton())
{
    connect(m_info, &QPushButton::clicked, this, &AECWidget3::infoButtonClicked);
    retranslate();
}

void AECWidget3::infoButtonClicked()
{
    showInstructions(
            tr("Instructions for using AEC"),
            {tr("1. Select the local input channel (such as the local microphone in video "
                "conference)."),
             tr("2. Select the remote input channel (such as the signal output from the "
                "conference terminal to the processor in video conference)."),
             tr("3. Set the echo cancellation level and enable echo cancellation."),
             tr("4. Mix the echo cancellation signal to the output channel.")},
            QStringLiteral("AecLogic"));
}

void AECWidget3::retranslate()
{
    AECWidget2::retranslate();
    if (m_info)
        m_info->setText(tr("Instructions"));
}
