#include "AECWidget2.h"

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
#include <QSignalBlocker>

namespace {

QWidget *choiceRow(QWidget *parent, QButtonGroup *group, int count, int width)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    group->setExclusive(true);
    for (int id = 0; id < count; ++id) {
        auto *b = new QPushButton(row);
        b->setObjectName(QString::number(id));
        b->setCheckable(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumWidth(width);
        b->setProperty("horizontalButtonPosition",
                       id == 0 ? "first" : id == count - 1 ? "last" : "middle");
        group->addButton(b, id);
        layout->addWidget(b);
    }
    return row;
}

} // namespace

AECWidget2::AECWidget2(DataModel *model, QWidget *parent)
    : CancellationEditor(model, parent), m_enabled(new QPushButton(this)),
      m_local(new ToggleRow(Inputs, QStringLiteral("localInput"), this)),
      m_remote(new ToggleRow(Inputs, QStringLiteral("remoteInput"), this)),
      m_outputs(new ToggleRow(Outputs, QStringLiteral("output"), this, 8)),
      m_levels(new QButtonGroup(this)), m_noiseLevels(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("aecWidget"));
    m_enabled->setObjectName(QStringLiteral("enabledButton"));
    m_enabled->setCheckable(true);
    m_enabled->setFocusPolicy(Qt::NoFocus);
    m_enabled->setMinimumWidth(100);
    form()->addWidget(m_enabled, 0, 0, Qt::AlignLeft);
    int row = 1;
    m_localCaption = addCaption(row++);
    addRow(row++, m_local);
    m_remoteCaption = addCaption(row++);
    addRow(row++, m_remote);
    m_levelCaption = addCaption(row++);
    addRow(row++, choiceRow(this, m_levels, AecBlock::Levels, 150));
    m_noiseCaption = addCaption(row++);
    addRow(row++, choiceRow(this, m_noiseLevels, AecBlock::NoiseReductionLevels, 100));
    m_outputCaption = addCaption(row++);
    addRow(row++, m_outputs);
    m_nextRow = row;
    registerInputRow(m_local);
    registerInputRow(m_remote);
    registerOutputRow(m_outputs);

    connect(m_enabled, &QPushButton::clicked, this, &AECWidget2::enabledButtonClicked);
    connect(m_local, &ToggleRow::toggled, this, &AECWidget2::localInputButtonClicked);
    connect(m_remote, &ToggleRow::toggled, this, &AECWidget2::remoteInputButtonClicked);
    connect(m_outputs, &ToggleRow::toggled, this, &AECWidget2::outputButtonClicked);
    connect(m_levels, &QButtonGroup::idClicked, this,
            &AECWidget2::aecLevelButtonGroupButtonClicked);
    connect(m_noiseLevels, &QButtonGroup::idClicked, this,
            &AECWidget2::noiseReductionLevelButtonGroupButtonClicked);
    retranslate();
    refresh();
}

QPushButton *AECWidget2::levelButton(int level) const
{
    return qobject_cast<QPushButton *>(m_levels->button(level));
}

QPushButton *AECWidget2::noiseReductionButton(int level) const
{
    return qobject_cast<QPushButton *>(m_noiseLevels->button(level));
}

AecBlock AECWidget2::block() const
{
    return AecBlock::fromBytes(model()->mirror().aec.matrix);
}

void AECWidget2::store(const AecBlock &block)
{
    AecState &aec = model()->mirror().aec;
    aec.matrix = replaceBlock(aec.matrix, block.toBytes());
    model()->sendWrite(Msg::AecMatrix, block.toBytes());
}

void AECWidget2::refresh()
{
    const AecBlock b = block();
    m_enabled->setChecked(b.enabled);
    for (int input = 0; input < Inputs; ++input) {
        m_local->setOn(input, b.isLocal(input));
        m_remote->setOn(input, b.isRemote(input));
    }
    const MatrixSourceRow &mix = model()->mirror().matrix.aec;
    for (int output = 0; output < Outputs; ++output)
        m_outputs->setOn(output, mix.route[size_t(output)]);
    if (QAbstractButton *level = m_levels->button(b.level))
        level->setChecked(true);
    if (QAbstractButton *level = m_noiseLevels->button(b.noiseReduction))
        level->setChecked(true);
    refreshLabels();
}

void AECWidget2::enabledButtonClicked(bool checked)
{
    AecBlock b = block();
    b.enabled = checked;
    store(b);
    emit matrixChanged(b.localMask | b.remoteMask, 0xFFFF);
}

void AECWidget2::localInputButtonClicked(int input, bool on)
{
    AecBlock b = block();
    b.setLocal(input, on);
    store(b);
    m_remote->setOn(input, b.isRemote(input));
    emit matrixInputChanged(input);
}

void AECWidget2::remoteInputButtonClicked(int input, bool on)
{
    AecBlock b = block();
    b.setRemote(input, on);
    store(b);
    m_local->setOn(input, b.isLocal(input));
    emit matrixInputChanged(input);
}

void AECWidget2::aecLevelButtonGroupButtonClicked(int level)
{
    AecBlock b = block();
    if (level < 0 || level >= AecBlock::Levels || b.level == level)
        return;
    b.level = quint8(level);
    store(b);
}

void AECWidget2::noiseReductionLevelButtonGroupButtonClicked(int level)
{
    AecBlock b = block();
    if (level < 0 || level >= AecBlock::NoiseReductionLevels || b.noiseReduction == level)
        return;
    b.noiseReduction = quint8(level);
    store(b);
}

void AECWidget2::outputButtonClicked(int output, bool on)
{
    if (output < 0 || output >= Outputs)
        return;
    model()->mirror().matrix.aec.route[size_t(output)] = on;
    model()->sendWrite(Msg::MatrixRoute,
                       SetPayload::matrix(quint8(output), {MatrixExtras::AecWireInput}, on ? 1 : 0));
    emit matrixOutputChanged(output);
}

void AECWidget2::retranslate()
{
    m_enabled->setText(tr("Enabled"));
    m_localCaption->setText(tr("Local Input(Select the local input channels for AEC)"));
    m_remoteCaption->setText(tr("Remote Input(Select the remote input channels for AEC)"));
    m_levelCaption->setText(tr("AEC Level"));
    m_noiseCaption->setText(tr("Noise Reduction Level"));
    m_outputCaption->setText(tr("Local Output(Select the output channels to which the signal "
                                "after AEC processing is mixed)"));
    m_levels->button(0)->setText(tr("Small Room %1").arg(tr("(128ms)")));
    m_levels->button(1)->setText(tr("Middle Room %1").arg(tr("(256ms)")));
    m_levels->button(2)->setText(tr("Big Room %1").arg(tr("(512ms)")));
    const char *const noise[] = {QT_TR_NOOP("Weak"), QT_TR_NOOP("Strong"),
                                 QT_TR_NOOP("Stronger"), QT_TR_NOOP("Strongest")};
    for (int id = 0; id < AecBlock::NoiseReductionLevels; ++id)
        m_noiseLevels->button(id)->setText(tr(noise[id]));
}
