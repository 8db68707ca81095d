#include "CancellationPage.h"

#include "AECWidget.h"
#include "AECWidget2.h"
#include "AECWidget3.h"
#include "ANCWidget.h"
#include "ANCWidget2.h"
#include "ANCWidget3.h"

#include <QVBoxLayout>

CancellationPage::CancellationPage(DataModel *model, Block block,
                                   CancellationGeneration::Generation generation,
                                   QWidget *parent)
    : QWidget(parent), m_model(model), m_block(block), m_generation(generation)
{
    setObjectName(block == Aec ? QStringLiteral("aecPage") : QStringLiteral("ancPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    build();
}

void CancellationPage::build()
{
    delete m_editor;
    using namespace CancellationGeneration;
    if (m_block == Aec) {
        switch (m_generation) {
        case First:
            m_editor = new AECWidget(m_model, this);
            break;
        case Second:
            m_editor = new AECWidget2(m_model, this);
            break;
        case Third:
            m_editor = new AECWidget3(m_model, this);
            break;
        }
    } else {
        switch (m_generation) {
        case First:
            m_editor = new ANCWidget(m_model, this);
            break;
        case Second:
            m_editor = new ANCWidget2(m_model, this);
            break;
        case Third:
            m_editor = new ANCWidget3(m_model, this);
            break;
        }
    }
    layout()->addWidget(m_editor);
    connect(m_editor, &CancellationEditor::matrixChanged, this, &CancellationPage::matrixChanged);
    connect(m_editor, &CancellationEditor::matrixInputChanged, this,
            &CancellationPage::matrixChanged);
    connect(m_editor, &CancellationEditor::matrixOutputChanged, this,
            &CancellationPage::matrixChanged);
    if (m_channelConfig)
        m_editor->applyChannelConfig(m_channelConfig->first, m_channelConfig->second);
}

void CancellationPage::setGeneration(CancellationGeneration::Generation generation)
{
    if (generation == m_generation)
        return;
    m_generation = generation;
    build();
}

void CancellationPage::refresh()
{
    m_editor->refresh();
}

void CancellationPage::refreshLabels()
{
    m_editor->refreshLabels();
}

void CancellationPage::applyChannelConfig(quint32 inputMask, quint32 outputMask)
{
    m_channelConfig = std::make_pair(inputMask, outputMask);
    m_editor->applyChannelConfig(inputMask, outputMask);
}
