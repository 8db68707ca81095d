#include "MatrixWidget.h"

#include "MatrixRules.h"
#include "MatrixTableWidget.h"

#include "editors/cancellation/CancellationBlocks.h"
#include "editors/chain/ChannelStripWidget.h"
#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"
#include "widgets/MessageBox.h"
#include "widgets/OverlayScrollArea.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int AllChannels = 255;

QString inputName(DataModel *model, int input)
{
    const InputChannel &in = model->input(input);
    return in.label.isEmpty() ? in.defaultName : in.label;
}

QString outputName(DataModel *model, int output)
{
    const OutputChannel &out = model->output(output);
    return out.label.isEmpty() ? out.defaultName : out.label;
}

} // namespace

MatrixWidget::MatrixWidget(DataModel *model, CancellationGeneration::Generation generation,
                           QWidget *parent)
    : QWidget(parent), m_model(model), m_table(new MatrixTableWidget(this)),
      m_allMixButton(new QPushButton(this)), m_resetButton(new QPushButton(this)),
      m_generation(generation)
{
    setObjectName(QStringLiteral("matrixWidget"));
    m_allMixButton->setObjectName(QStringLiteral("allMixButton"));
    m_resetButton->setObjectName(QStringLiteral("matrixResetButton"));
    for (QPushButton *b : {m_allMixButton, m_resetButton}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumWidth(80);
    }
    connect(m_allMixButton, &QPushButton::clicked, this, &MatrixWidget::allMixButtonClicked);
    connect(m_resetButton, &QPushButton::clicked, this, &MatrixWidget::resetButtonClicked);
    connect(m_table, &MatrixTableWidget::enabledChanged, this,
            &MatrixWidget::tableWidgetEnabledChanged);
    connect(m_table, &MatrixTableWidget::gainChanged, this,
            &MatrixWidget::tableWidgetGainChanged);

    m_table->sidePanel()->addWidget(m_allMixButton);
    m_table->sidePanel()->addWidget(m_resetButton);
    // The grid scrolls inside the table; the gain knob beside it scrolls with the page, which
    // never asks the window for more room.
    auto *area = new OverlayScrollArea(this);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    auto *content = new QWidget(area->viewport());
    content->setObjectName(QStringLiteral("matrixPageContent"));
    auto *inner = new QVBoxLayout(content);
    inner->setContentsMargins(12, 8, 12, 8);
    inner->addWidget(m_table, 1);
    area->setWidget(content);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    retranslate();
    build();
}

void MatrixWidget::build()
{
    QVector<quint8> sources;
    for (int input = 0; input < MatrixRules::PlainInputs; ++input)
        sources.append(quint8(input));
    if (CancellationGeneration::hasMatrixSources(m_generation))
        sources << MatrixRules::AecSource << MatrixRules::AncSource;
    m_table->setSources(sources, MatrixRules::Outputs);
    applyChannelConfig(m_inputMask, m_outputMask);
    refresh();
}

void MatrixWidget::setCancellationGeneration(CancellationGeneration::Generation generation)
{
    const bool rowsBefore = CancellationGeneration::hasMatrixSources(m_generation);
    m_generation = generation;
    if (rowsBefore != CancellationGeneration::hasMatrixSources(generation))
        build();
}

bool MatrixWidget::route(quint8 source, int output) const
{
    if (source < MatrixRules::PlainInputs)
        return m_model->input(source).matrixRoute[size_t(output)];
    const MatrixExtras &x = m_model->mirror().matrix;
    return (source == MatrixRules::AecSource ? x.aec : x.anc).route[size_t(output)];
}

qint8 MatrixWidget::gain(quint8 source, int output) const
{
    if (source < MatrixRules::PlainInputs)
        return m_model->input(source).matrixGain[size_t(output)];
    const MatrixExtras &x = m_model->mirror().matrix;
    return (source == MatrixRules::AecSource ? x.aec : x.anc).gain[size_t(output)];
}

void MatrixWidget::refresh()
{
    refreshLabels();
    for (int row = 0; row < m_table->rowCount(); ++row)
        for (int output = 0; output < MatrixRules::Outputs; ++output)
            m_table->setCell(row, output, route(m_table->sources()[row], output),
                             gain(m_table->sources()[row], output));
    refreshHighlights();
}

void MatrixWidget::refreshCell(int channel, int output)
{
    // Announcements name the cancellation sources as channels 17 and 18.
    int source = channel;
    if (channel == MatrixExtras::AecChannel)
        source = MatrixRules::AecSource;
    else if (channel == MatrixExtras::AncChannel)
        source = MatrixRules::AncSource;
    const int row = m_table->rowOf(quint8(source));
    if (channel == AllChannels || row < 0 || output < 0 || output >= MatrixRules::Outputs) {
        refresh();
        return;
    }
    m_table->setCell(row, output, route(quint8(source), output), gain(quint8(source), output));
    refreshHighlights();
}

void MatrixWidget::refreshLabels()
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const quint8 source = m_table->sources()[row];
        QString label;
        if (source == MatrixRules::AecSource)
            label = tr("AEC");
        else if (source == MatrixRules::AncSource)
            label = tr("ANC");
        else
            label = inputName(m_model, source);
        m_table->setRowLabel(row, label);
    }
    for (int output = 0; output < MatrixRules::Outputs; ++output)
        m_table->setColumnLabel(output, outputName(m_model, output));
}

void MatrixWidget::applyChannelConfig(quint32 inputMask, quint32 outputMask)
{
    m_inputMask = inputMask;
    m_outputMask = outputMask;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const quint8 source = m_table->sources()[row];
        m_table->setRowHidden(row, source < MatrixRules::PlainInputs
                                           && ChannelStripWidget::maskHas(inputMask, source));
    }
    for (int output = 0; output < MatrixRules::Outputs; ++output)
        m_table->setColumnHidden(output, ChannelStripWidget::maskHas(outputMask, output));
}

quint32 MatrixWidget::cancellationInputs() const
{
    if (!CancellationGeneration::hasMatrixSources(m_generation))
        return 0;
    const AecBlock aec = AecBlock::fromBytes(m_model->mirror().aec.matrix);
    const AncBlock anc = AncBlock::fromBytes(m_model->mirror().anc.config);
    return aec.localMask | aec.remoteMask | anc.inputMask;
}

void MatrixWidget::refreshHighlights()
{
    const bool rows = CancellationGeneration::hasMatrixSources(m_generation);
    const AecBlock aec = AecBlock::fromBytes(m_model->mirror().aec.matrix);
    const AncBlock anc = AncBlock::fromBytes(m_model->mirror().anc.config);
    const MatrixExtras &x = m_model->mirror().matrix;
    for (int output = 0; output < MatrixRules::Outputs; ++output) {
        const bool aecMixed = rows && aec.enabled && x.aec.route[size_t(output)];
        const bool ancMixed = rows && anc.enabled && x.anc.route[size_t(output)];
        for (int input = 0; input < MatrixRules::PlainInputs; ++input) {
            const bool fed = (aecMixed && (aec.isLocal(input) || aec.isRemote(input)))
                    || (ancMixed && anc.hasInput(input));
            m_table->setCellHighlighted(m_table->rowOf(quint8(input)), output, fed);
        }
    }
}

QByteArray MatrixWidget::storeRoutes(const QByteArray &sources, int output, bool enabled)
{
    const QByteArray kept = MatrixRules::routableSources(sources);
    MatrixExtras &x = m_model->mirror().matrix;
    for (const char byte : kept) {
        const quint8 source = quint8(byte);
        if (source < MatrixRules::PlainInputs)
            m_model->input(source).matrixRoute[size_t(output)] = enabled;
        else
            (source == MatrixRules::AecSource ? x.aec : x.anc).route[size_t(output)] = enabled;
    }
    return kept;
}

QByteArray MatrixWidget::storeGains(const QByteArray &sources, int output, qint8 gain)
{
    const QByteArray kept = MatrixRules::routableSources(sources);
    MatrixExtras &x = m_model->mirror().matrix;
    for (const char byte : kept) {
        const quint8 source = quint8(byte);
        if (source < MatrixRules::PlainInputs)
            m_model->input(source).matrixGain[size_t(output)] = gain;
        else
            (source == MatrixRules::AecSource ? x.aec : x.anc).gain[size_t(output)] = gain;
    }
    return kept;
}

void MatrixWidget::tableWidgetEnabledChanged(QByteArray inputs, uchar output, bool enabled)
{
    if (output >= MatrixRules::Outputs)
        return;
    const QByteArray kept = storeRoutes(inputs, output, enabled);
    if (kept.isEmpty())
        return;
    m_model->sendWrite(Msg::MatrixRoute, SetPayload::matrix(output, kept, enabled ? 1 : 0));
    if (kept.contains(char(MatrixRules::AecSource)) || kept.contains(char(MatrixRules::AncSource)))
        refreshHighlights();
}

void MatrixWidget::tableWidgetGainChanged(QByteArray inputs, uchar output, char gain)
{
    if (output >= MatrixRules::Outputs)
        return;
    const QByteArray kept = storeGains(inputs, output, MatrixRules::storedGain(gain));
    if (kept.isEmpty())
        return;
    // The gains of one output are throttled together: a drag sends one request per output.
    m_model->queueWrite(Msg::MatrixGain, output, AllChannels,
                        SetPayload::matrix(output, kept, quint8(MatrixRules::sentGain(gain))));
}

void MatrixWidget::allMixButtonClicked()
{
    mixAll(true);
}

void MatrixWidget::resetButtonClicked()
{
    mixAll(false);
}

void MatrixWidget::mixAll(bool enabled)
{
    const QString title = enabled ? tr("All Mix") : tr("Reset");
    const QString text = enabled
            ? tr("Are you sure that you want to enable all the mixer and set their gain to 0dB?")
            : tr("Are you sure that you want to disable all the mixer and set their gain to 0dB?");
    bool including = false;
    int answer;
    if (m_model->deviceInfo().dspVersion[0] == 5)
        answer = MessageBox::ask(this, MessageBox::Question, title, text,
                                 {tr("OK"), tr("Cancel")}, tr("Including ANC/AEC"), &including);
    else
        answer = MessageBox::ask(this, MessageBox::Question, title, text,
                                 {tr("OK"), tr("Cancel")});
    if (answer != 0)
        return;

    // Without the choice, what the cancellation blocks take and give stays as it is.
    const quint32 cancelled = including ? 0 : cancellationInputs();
    QByteArray sources;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const quint8 source = m_table->sources()[row];
        if (m_table->isRowHidden(row))
            continue;
        if (MatrixRules::isCancellationSource(source) ? !including : (cancelled >> source) & 1U)
            continue;
        sources.append(char(source));
    }
    if (sources.isEmpty())
        return;
    for (int output = 0; output < MatrixRules::Outputs; ++output) {
        if (m_table->isColumnHidden(output))
            continue;
        tableWidgetEnabledChanged(sources, uchar(output), enabled);
        tableWidgetGainChanged(sources, uchar(output), 0);
    }
    refresh();
}

void MatrixWidget::aecMatrixChanged()
{
    refresh();
}

void MatrixWidget::ancMatrixChanged()
{
    refresh();
}

void MatrixWidget::ancAecMatrixReset()
{
    refresh();
}

void MatrixWidget::retranslate()
{
    m_allMixButton->setText(tr("All Mix"));
    m_resetButton->setText(tr("Reset"));
}

void MatrixWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        refreshLabels();
    }
    QWidget::changeEvent(event);
}
