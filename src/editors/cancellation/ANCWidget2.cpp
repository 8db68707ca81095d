#include "ANCWidget2.h"

#include "ToggleRow.h"

#include "model/records/MatrixExtras.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

ANCWidget2::ANCWidget2(DataModel *model, QWidget *parent)
    : CancellationEditor(model, parent), m_enabled(new QPushButton(this)),
      m_inputs(new ToggleRow(Inputs, QStringLiteral("input"), this)),
      m_outputs(new ToggleRow(Outputs, QStringLiteral("output"), this, 8)),
      m_levels(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("ancWidget"));
    m_enabled->setObjectName(QStringLiteral("enabledButton"));
    m_enabled->setCheckable(true);
    m_enabled->setFocusPolicy(Qt::NoFocus);
    m_enabled->setMinimumWidth(100);
    form()->addWidget(m_enabled, 0, 0, Qt::AlignLeft);

    auto *levels = new QWidget(this);
    auto *levelLayout = new QHBoxLayout(levels);
    levelLayout->setContentsMargins(0, 0, 0, 0);
    levelLayout->setSpacing(0);
    m_levels->setExclusive(true);
    for (int id = 0; id < AncBlock::Levels; ++id) {
        auto *b = new QPushButton(levels);
        b->setObjectName(QString::number(id));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumWidth(70);
        b->setProperty("horizontalButtonPosition",
                       id == 0 ? "first" : id == AncBlock::Levels - 1 ? "last" : "middle");
        m_levels->addButton(b, id);
        levelLayout->addWidget(b);
    }

    int row = 1;
    m_inputCaption = addCaption(row++);
    addRow(row++, m_inputs);
    m_levelCaption = addCaption(row++);
    addRow(row++, levels);
    m_outputCaption = addCaption(row++);
    addRow(row++, m_outputs);
    registerInputRow(m_inputs);
    registerOutputRow(m_outputs);

    connect(m_enabled, &QPushButton::clicked, this, &ANCWidget2::enabledButtonClicked);
    connect(m_inputs, &ToggleRow::toggled, this, &ANCWidget2::inputButtonClicked);
    connect(m_outputs, &ToggleRow::toggled, this, &ANCWidget2::outputButtonClicked);
    connect(m_levels, &QButtonGroup::idClicked, this,
            &ANCWidget2::suppressionLevelButtonGroupButtonClicked);
    retranslate();
    refresh();
}

QPushButton *ANCWidget2::levelButton(int level) const
{
    return qobject_cast<QPushButton *>(m_levels->button(level));
}

AncBlock ANCWidget2::block() const
{
    return AncBlock::fromBytes(model()->mirror().anc.config);
}

void ANCWidget2::store(const AncBlock &block)
{
    AncState &anc = model()->mirror().anc;
    anc.config = replaceBlock(anc.config, block.toBytes());
    model()->sendWrite(Msg::AncConfig, block.toBytes());
}

void ANCWidget2::refresh()
{
    const AncBlock b = block();
    m_enabled->setChecked(b.enabled);
    for (int input = 0; input < Inputs; ++input)
        m_inputs->setOn(input, b.hasInput(input));
    const MatrixSourceRow &mix = model()->mirror().matrix.anc;
    for (int output = 0; output < Outputs; ++output)
        m_outputs->setOn(output, mix.route[size_t(output)]);
    if (QAbstractButton *level = m_levels->button(b.level))
        level->setChecked(true);
    refreshLabels();
}

void ANCWidget2::enabledButtonClicked(bool checked)
{
    AncBlock b = block();
    b.enabled = checked;
    store(b);
    emit matrixChanged(b.inputMask, 0xFFFF);
}

void ANCWidget2::inputButtonClicked(int input, bool on)
{
    AncBlock b = block();
    b.setInput(input, on);
    store(b);
    emit matrixInputChanged(input);
}

void ANCWidget2::suppressionLevelButtonGroupButtonClicked(int level)
{
    AncBlock b = block();
    if (level < 0 || level >= AncBlock::Levels || b.level == level)
        return;
    b.level = quint8(level);
    store(b);
}

void ANCWidget2::outputButtonClicked(int output, bool on)
{
    if (output < 0 || output >= Outputs)
        return;
    model()->mirror().matrix.anc.route[size_t(output)] = on;
    model()->sendWrite(Msg::MatrixRoute,
                       SetPayload::matrix(quint8(output), {MatrixExtras::AncWireInput}, on ? 1 : 0));
    emit matrixOutputChanged(output);
}

void ANCWidget2::retranslate()
{
    m_enabled->setText(tr("Enabled"));
    m_inputCaption->setText(tr("Input(Select the input channels for ANC)"));
    m_levelCaption->setText(tr("Suppression Level"));
    m_outputCaption->setText(tr("Output(Select the output channels to which the signal after "
                                "ANC processing is mixed)"));
    for (int id = 0; id < AncBlock::Levels; ++id)
        m_levels->button(id)->setText(tr("%1 dB").arg(suppressionDb(id)));
}
