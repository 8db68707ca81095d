#include "FilterWidget.h"

#include "FilterGraph.h"

#include "editors/chain/ChannelStripWidget.h"
#include "model/DataModel.h"
#include "model/FilterTables.h"
#include "widgets/ChannelCopyDialog.h"
#include "widgets/Knob.h"
#include "widgets/LineEdit.h"
#include "widgets/MessageBox.h"
#include "widgets/OverlayScrollArea.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int GainKnobRange = 150; // tenths of a dB either side of 0
constexpr int ButtonHeight = 24;

// A number typed into an edit; nothing when the text is not one.
bool readNumber(const QString &text, double &value)
{
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value);
}

float tenths(double value)
{
    return float(std::round(value * 10.0) / 10.0);
}

QPushButton *toggle(QWidget *parent, const char *role)
{
    auto *button = new QPushButton(parent);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumHeight(ButtonHeight);
    button->setProperty("control", QLatin1String(role));
    return button;
}

QLabel *caption(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("filterCaptionLabel"));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

FilterWidget::FilterWidget(DataModel *model, Side side, QWidget *parent)
    : QWidget(parent), m_model(model), m_side(side)
{
    setObjectName(side == Inputs ? QStringLiteral("inFilterWidget")
                                 : QStringLiteral("outFilterWidget"));

    // Channel selector, "Copy To" and "Reset".
    auto *top = new QHBoxLayout;
    top->setSpacing(4);
    m_channelButtons = new QButtonGroup(this);
    m_channelButtons->setExclusive(true);
    for (int ch = 0; ch < channelCount(); ++ch) {
        QPushButton *button = toggle(this, "channel");
        button->setObjectName(QString::number(ch));
        button->setMinimumWidth(40);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        m_channelButtons->addButton(button, ch);
        top->addWidget(button, 1);
    }
    m_channelButtons->button(0)->setChecked(true);
    top->addSpacing(12);
    m_copyButton = new QPushButton(this);
    m_copyButton->setObjectName(QStringLiteral("copyToButton"));
    m_copyButton->setFocusPolicy(Qt::NoFocus);
    m_copyButton->setMinimumHeight(ButtonHeight);
    m_resetButton = new QPushButton(this);
    m_resetButton->setObjectName(QStringLiteral("resetButton"));
    m_resetButton->setFocusPolicy(Qt::NoFocus);
    m_resetButton->setMinimumHeight(ButtonHeight);
    top->addWidget(m_copyButton);
    top->addWidget(m_resetButton);
    connect(m_channelButtons, &QButtonGroup::idClicked, this,
            &FilterWidget::channelButtonGroupButtonClicked);
    connect(m_copyButton, &QPushButton::clicked, this, &FilterWidget::copyToButtonClicked);
    connect(m_resetButton, &QPushButton::clicked, this, &FilterWidget::resetButtonClicked);

    m_graph = new FilterGraph(this);
    m_graph->setBandCount(PeqFilter::BandCount);
    connect(m_graph, &FilterGraph::HPFilterChanged, this, &FilterWidget::filterGraphHPFFreqChanged);
    connect(m_graph, &FilterGraph::LPFilterChanged, this, &FilterWidget::filterGraphLPFFreqChanged);
    connect(m_graph, &FilterGraph::peqChanged, this, &FilterWidget::filterGraphPEQChanged);
    connect(m_graph, &FilterGraph::currentBandChanged, this,
            &FilterWidget::filterGraphCurrentBandChanged);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    bottom->addWidget(buildPass(m_hpf, "hpf"), 3);
    bottom->addWidget(buildPeq(), 5);
    bottom->addWidget(buildPass(m_lpf, "lpf"), 3);
    m_lpf.freqEdit->setText(QStringLiteral("20000"));

    connect(m_hpf.enabled, &QPushButton::clicked, this, &FilterWidget::hpfEnabledButtonClicked);
    connect(m_hpf.types, &QButtonGroup::idClicked, this,
            &FilterWidget::hpfTypeButtonGroupButtonClicked);
    connect(m_hpf.slopes, &QButtonGroup::idClicked, this,
            &FilterWidget::hpfSlopeButtonGroupButtonClicked);
    connect(m_hpf.freqKnob, &Knob::valueChanged, this, &FilterWidget::hpfFreqKnobValueChanged);
    connect(m_hpf.freqEdit, &QLineEdit::editingFinished, this,
            &FilterWidget::hpfFreqEditEditingFinished);
    connect(m_lpf.enabled, &QPushButton::clicked, this, &FilterWidget::lpfEnabledButtonClicked);
    connect(m_lpf.types, &QButtonGroup::idClicked, this,
            &FilterWidget::lpfTypeButtonGroupButtonClicked);
    connect(m_lpf.slopes, &QButtonGroup::idClicked, this,
            &FilterWidget::lpfSlopeButtonGroupButtonClicked);
    connect(m_lpf.freqKnob, &Knob::valueChanged, this, &FilterWidget::lpfFreqKnobValueChanged);
    connect(m_lpf.freqEdit, &QLineEdit::editingFinished, this,
            &FilterWidget::lpfFreqEditEditingFinished);

    // The page scrolls rather than forcing its size on the window when the window is small.
    auto *area = new OverlayScrollArea(this);
    area->setObjectName(QStringLiteral("filterScrollArea"));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    auto *content = new QWidget(area);
    content->setObjectName(QStringLiteral("filterContent"));
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(6);
    layout->addLayout(top);
    layout->addWidget(m_graph, 1);
    layout->addLayout(bottom);
    area->setWidget(content);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);

    retranslate();
    loadAll();
}

QWidget *FilterWidget::knobColumn(QLabel *&label, Knob *&knob, LineEdit *&edit, QWidget *parent,
                                  const char *role)
{
    auto *column = new QWidget(parent);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    label = caption(column);
    knob = new Knob(column);
    knob->setSizeCode(Knob::Small);
    knob->setProperty("control", QLatin1String(role));
    edit = new LineEdit(column);
    edit->setProperty("control", QLatin1String(role));
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(58);
    layout->addWidget(label);
    layout->addWidget(knob, 0, Qt::AlignHCenter);
    layout->addWidget(edit, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    return column;
}

QWidget *FilterWidget::buildPass(PassControls &c, const char *role)
{
    c.box = new QGroupBox(this);
    c.box->setObjectName(QLatin1String(role) + QStringLiteral("GroupBox"));
    auto *layout = new QGridLayout(c.box);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(4);

    auto *left = new QVBoxLayout;
    left->setSpacing(3);
    c.enabled = toggle(c.box, "enabled");
    c.typeCaption = caption(c.box);
    c.types = new QButtonGroup(c.box);
    left->addWidget(c.enabled);
    left->addWidget(c.typeCaption);
    for (int t = 0; t < FilterTables::TypeCount; ++t) {
        c.typeButtons[size_t(t)] = toggle(c.box, "type");
        c.types->addButton(c.typeButtons[size_t(t)], t);
        left->addWidget(c.typeButtons[size_t(t)]);
    }
    left->addStretch(1);

    auto *middle = new QVBoxLayout;
    middle->setSpacing(3);
    c.slopeCaption = caption(c.box);
    c.slopes = new QButtonGroup(c.box);
    auto *slopeGrid = new QGridLayout;
    slopeGrid->setSpacing(3);
    for (int s = 0; s < FilterTables::SlopeCount; ++s) {
        QPushButton *button = toggle(c.box, "slope");
        button->setText(QString::number(FilterTables::slopeDb(s)));
        button->setMinimumWidth(30);
        c.slopes->addButton(button, s);
        slopeGrid->addWidget(button, s / 2, s % 2);
    }
    middle->addWidget(c.slopeCaption);
    middle->addLayout(slopeGrid);
    middle->addStretch(1);

    QWidget *freq = knobColumn(c.freqCaption, c.freqKnob, c.freqEdit, c.box, "freq");
    c.freqKnob->setRange(0, FilterTables::FrequencyCount - 1);

    layout->addLayout(left, 0, 0);
    layout->addLayout(middle, 0, 1);
    layout->addWidget(freq, 0, 2);
    return c.box;
}

QWidget *FilterWidget::buildPeq()
{
    m_peqBox = new QGroupBox(this);
    m_peqBox->setObjectName(QStringLiteral("peqGroupBox"));
    auto *layout = new QVBoxLayout(m_peqBox);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);

    auto *bandRow = new QHBoxLayout;
    bandRow->setSpacing(3);
    m_allEnabled = toggle(m_peqBox, "allEnabled");
    m_bandCaption = caption(m_peqBox);
    bandRow->addWidget(m_bandCaption);
    m_bands = new QButtonGroup(m_peqBox);
    m_bands->setExclusive(true);
    for (int b = 0; b < PeqFilter::BandCount; ++b) {
        QPushButton *button = toggle(m_peqBox, "band");
        button->setText(QString::number(b + 1));
        button->setMinimumWidth(24);
        m_bands->addButton(button, b);
        bandRow->addWidget(button, 1);
    }
    m_bands->button(0)->setChecked(true);

    auto *controls = new QHBoxLayout;
    controls->setSpacing(8);
    auto *left = new QVBoxLayout;
    left->setSpacing(3);
    m_peqEnabled = toggle(m_peqBox, "enabled");
    m_peqTypeCaption = caption(m_peqBox);
    m_peqTypes = new QButtonGroup(m_peqBox);
    left->addWidget(m_allEnabled);
    left->addWidget(m_peqEnabled);
    left->addWidget(m_peqTypeCaption);
    for (int t = 0; t < 3; ++t) {
        m_peqTypeButtons[size_t(t)] = toggle(m_peqBox, "type");
        m_peqTypes->addButton(m_peqTypeButtons[size_t(t)], t);
        left->addWidget(m_peqTypeButtons[size_t(t)]);
    }
    left->addStretch(1);
    controls->addLayout(left);
    controls->addWidget(
            knobColumn(m_peqFreqCaption, m_peqFreqKnob, m_peqFreqEdit, m_peqBox, "freq"));
    controls->addWidget(knobColumn(m_gainCaption, m_gainKnob, m_gainEdit, m_peqBox, "gain"));
    controls->addWidget(knobColumn(m_qCaption, m_qKnob, m_qEdit, m_peqBox, "q"));
    m_peqFreqKnob->setRange(0, FilterTables::FrequencyCount - 1);
    m_gainKnob->setRange(-GainKnobRange, GainKnobRange);
    m_qKnob->setRange(0, FilterTables::QCount - 1);
    m_qEdit->setReadOnly(true);
    m_qEdit->setFocusPolicy(Qt::NoFocus);

    layout->addLayout(bandRow);
    layout->addLayout(controls);

    connect(m_allEnabled, &QPushButton::clicked, this, &FilterWidget::peqAllEnabledButtonClicked);
    connect(m_bands, &QButtonGroup::idClicked, this,
            &FilterWidget::peqBandButtonGroupButtonClicked);
    connect(m_peqEnabled, &QPushButton::clicked, this, &FilterWidget::peqEnabledButtonClicked);
    connect(m_peqTypes, &QButtonGroup::idClicked, this,
            &FilterWidget::peqTypeButtonGroupButtonClicked);
    connect(m_peqFreqKnob, &Knob::valueChanged, this, &FilterWidget::peqFreqKnobValueChanged);
    connect(m_peqFreqEdit, &QLineEdit::editingFinished, this,
            &FilterWidget::peqFreqEditEditingFinished);
    connect(m_gainKnob, &Knob::valueChanged, this, &FilterWidget::peqGainKnobValueChanged);
    connect(m_gainEdit, &QLineEdit::editingFinished, this,
            &FilterWidget::peqGainEditEditingFinished);
    connect(m_qKnob, &Knob::valueChanged, this, &FilterWidget::peqQKnobValueChanged);
    return m_peqBox;
}

void FilterWidget::retranslate()
{
    const QString typeNames[] = {tr("Bessel"), tr("Butterworth"), tr("Linkwitz-Riley")};
    const QString slope = tr("Slope") + QLatin1Char(' ') + tr("(dB/oct)");
    const QString freq = tr("Freq") + QLatin1Char(' ') + tr("(Hz)");
    for (PassControls *c : {&m_hpf, &m_lpf}) {
        c->enabled->setText(tr("Enabled"));
        c->typeCaption->setText(tr("Type"));
        for (int t = 0; t < FilterTables::TypeCount; ++t)
            c->typeButtons[size_t(t)]->setText(typeNames[t]);
        c->slopeCaption->setText(slope);
        c->freqCaption->setText(freq);
    }
    m_hpf.box->setTitle(tr("High Pass"));
    m_lpf.box->setTitle(tr("Low Pass"));
    m_peqBox->setTitle(tr("PEQ"));
    m_allEnabled->setText(tr("All Enabled"));
    m_bandCaption->setText(tr("Band"));
    m_peqEnabled->setText(tr("Enabled"));
    m_peqTypeCaption->setText(tr("Type"));
    m_peqTypeButtons[0]->setText(tr("PEQ"));
    m_peqTypeButtons[1]->setText(tr("Low Shelf"));
    m_peqTypeButtons[2]->setText(tr("High Shelf"));
    m_peqFreqCaption->setText(freq);
    m_gainCaption->setText(tr("Gain") + QLatin1Char(' ') + tr("(dB)"));
    m_qCaption->setText(tr("Q"));
    m_copyButton->setText(tr("Copy To"));
    m_resetButton->setText(tr("Reset"));
    setChannelButtonTexts();
}

void FilterWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// ---- texts ----

QString FilterWidget::frequencyText(float hz)
{
    const long long t = std::llround(double(hz) * 10.0);
    return t % 10 ? QString::number(double(t) / 10.0, 'f', 1) : QString::number(t / 10);
}

QString FilterWidget::gainText(float db)
{
    return QString::number(double(db), 'f', 1);
}

QString FilterWidget::qText(int index)
{
    return QString::number(double(FilterTables::q(index)), 'f', 2);
}

// ---- the mirror ----

HlpfFilter &FilterWidget::highPassRecord(int channel) const
{
    return m_side == Inputs ? m_model->input(channel).hpf : m_model->output(channel).hpf;
}

HlpfFilter &FilterWidget::lowPassRecord(int channel) const
{
    return m_side == Inputs ? m_model->input(channel).lpf : m_model->output(channel).lpf;
}

PeqFilter &FilterWidget::bandRecord(int channel, int band) const
{
    return m_side == Inputs ? m_model->input(channel).peq[size_t(band)]
                            : m_model->output(channel).peq[size_t(band)];
}

QString FilterWidget::channelName(int channel, Side side) const
{
    if (side == Inputs) {
        const InputChannel &in = m_model->input(channel);
        return in.label.isEmpty() ? in.defaultName : in.label;
    }
    const OutputChannel &out = m_model->output(channel);
    return out.label.isEmpty() ? out.defaultName : out.label;
}

void FilterWidget::setChannelButtonTexts()
{
    for (int ch = 0; ch < channelCount(); ++ch) {
        QAbstractButton *button = m_channelButtons->button(ch);
        const QString name = channelName(ch, m_side);
        button->setText(name);
        button->setToolTip(name);
    }
}

void FilterWidget::refreshLabels()
{
    setChannelButtonTexts();
}

bool FilterWidget::isChannelPresent(int channel) const
{
    const quint32 mask = m_side == Inputs ? m_inputMask : m_outputMask;
    return channel >= 0 && channel < channelCount() && !ChannelStripWidget::maskHas(mask, channel);
}

void FilterWidget::applyChannelConfig(quint32 inputMask, quint32 outputMask)
{
    m_inputMask = inputMask;
    m_outputMask = outputMask;
    for (int ch = 0; ch < channelCount(); ++ch)
        m_channelButtons->button(ch)->setVisible(isChannelPresent(ch));
    if (!isChannelPresent(m_channel)) {
        // The channel shown is gone: the first one that is there takes its place.
        for (int ch = 0; ch < channelCount(); ++ch) {
            if (isChannelPresent(ch)) {
                m_channelButtons->button(ch)->click();
                break;
            }
        }
    }
}

bool FilterWidget::wideCopyMasks(const DeviceInfo &device)
{
    return device.dspVersion[0] == 5;
}

void FilterWidget::setCopyAndResetAvailable(bool available)
{
    m_copyButton->setVisible(available);
    m_resetButton->setVisible(available);
}

// ---- loading ----

void FilterWidget::loadChannel(int channel)
{
    if (channel < 0 || channel >= channelCount())
        return;
    m_channel = channel;
    m_channelButtons->button(channel)->setChecked(true);
    loadAll();
}

void FilterWidget::showFrequency(LineEdit *edit, Knob *knob, float hz)
{
    if (!(edit->hasFocus() && edit->isModified()))
        edit->setText(frequencyText(hz));
    knob->setValue(FilterTables::frequencyIndex(hz));
}

void FilterWidget::showPass(PassControls &c, const HlpfFilter &filter)
{
    c.enabled->setChecked(filter.enabled != 0);
    if (QAbstractButton *type = c.types->button(filter.type))
        type->setChecked(true);
    if (QAbstractButton *slope = c.slopes->button(filter.slope))
        slope->setChecked(true);
    showFrequency(c.freqEdit, c.freqKnob, filter.frequency);
}

void FilterWidget::loadHighPass()
{
    const HlpfFilter &filter = highPassRecord(m_channel);
    showPass(m_hpf, filter);
    m_graph->setHighPass(filter);
}

void FilterWidget::loadLowPass()
{
    const HlpfFilter &filter = lowPassRecord(m_channel);
    showPass(m_lpf, filter);
    m_graph->setLowPass(filter);
}

void FilterWidget::loadBand(int band)
{
    if (band < 0 || band >= PeqFilter::BandCount)
        return;
    const PeqFilter &record = bandRecord(m_channel, band);
    m_graph->setBand(band, record);
    bool all = true;
    for (int b = 0; b < PeqFilter::BandCount; ++b)
        all = all && bandRecord(m_channel, b).enabled;
    m_allEnabled->setChecked(all);
    if (band != m_currentBand)
        return;
    m_peqEnabled->setChecked(record.enabled != 0);
    if (QAbstractButton *type = m_peqTypes->button(record.type))
        type->setChecked(true);
    showFrequency(m_peqFreqEdit, m_peqFreqKnob, record.frequency);
    m_gainKnob->setValue(int(std::lround(double(record.gain) * 10.0)));
    if (!(m_gainEdit->hasFocus() && m_gainEdit->isModified()))
        m_gainEdit->setText(gainText(record.gain));
    m_qKnob->setValue(record.q);
    m_qEdit->setText(qText(record.q));
}

void FilterWidget::loadAll()
{
    std::array<PeqFilter, PeqFilter::BandCount> bands;
    for (int b = 0; b < PeqFilter::BandCount; ++b)
        bands[size_t(b)] = bandRecord(m_channel, b);
    m_graph->setFilters(highPassRecord(m_channel), lowPassRecord(m_channel), bands.data(),
                        PeqFilter::BandCount);
    m_graph->setCurrentBand(m_currentBand);
    showPass(m_hpf, highPassRecord(m_channel));
    showPass(m_lpf, lowPassRecord(m_channel));
    for (int b = 0; b < PeqFilter::BandCount; ++b)
        loadBand(b);
}

// ---- records from the controls ----

HlpfFilter FilterWidget::passFromControls(const PassControls &c) const
{
    HlpfFilter f;
    f.enabled = c.enabled->isChecked() ? 1 : 0;
    f.type = quint8(std::max(0, c.types->checkedId()));
    f.slope = quint8(std::max(0, c.slopes->checkedId()));
    double hz = 0;
    f.frequency = readNumber(c.freqEdit->text(), hz)
            ? float(std::clamp(hz, double(FilterTables::MinFrequency),
                               double(FilterTables::MaxFrequency)))
            : FilterTables::MinFrequency;
    return f;
}

PeqFilter FilterWidget::bandFromControls() const
{
    PeqFilter f;
    f.enabled = m_peqEnabled->isChecked() ? 1 : 0;
    f.type = quint8(std::max(0, m_peqTypes->checkedId()));
    double value = 0;
    f.frequency = readNumber(m_peqFreqEdit->text(), value)
            ? float(std::clamp(value, double(FilterTables::MinFrequency),
                               double(FilterTables::MaxFrequency)))
            : bandRecord(m_channel, m_currentBand).frequency;
    f.gain = readNumber(m_gainEdit->text(), value) ? tenths(std::clamp(value, -15.0, 15.0))
                                                   : bandRecord(m_channel, m_currentBand).gain;
    f.q = quint8(m_qKnob->value());
    return f;
}

void FilterWidget::emitHighPass()
{
    HlpfFilter f = passFromControls(m_hpf);
    m_graph->setHighPass(f);
    emit hpfChanged(m_channel, &f);
}

void FilterWidget::emitLowPass()
{
    HlpfFilter f = passFromControls(m_lpf);
    m_graph->setLowPass(f);
    emit lpfChanged(m_channel, &f);
}

void FilterWidget::emitBand()
{
    PeqFilter f = bandFromControls();
    m_graph->setBand(m_currentBand, f);
    emit peqChanged(m_channel, m_currentBand, &f);
}

void FilterWidget::settle(LineEdit *edit, PassSlot slot, const QString &text)
{
    // The edit must not report a second time when it loses its focus.
    disconnect(edit, &QLineEdit::editingFinished, this, slot);
    edit->clearFocus();
    edit->setText(text);
    connect(edit, &QLineEdit::editingFinished, this, slot);
}

bool FilterWidget::takeFrequency(LineEdit *edit, Knob *knob, PassSlot slot, float old)
{
    double typed = 0;
    if (!readNumber(edit->text(), typed)) {
        settle(edit, slot, frequencyText(old));
        return false;
    }
    const float hz = tenths(std::clamp(typed, double(FilterTables::MinFrequency),
                                       double(FilterTables::MaxFrequency)));
    settle(edit, slot, frequencyText(hz));
    knob->setValue(FilterTables::frequencyIndex(double(hz)));
    return true;
}

// ---- slots: channel ----

void FilterWidget::channelButtonGroupButtonClicked(int channel)
{
    if (channel < 0 || channel >= channelCount())
        return;
    m_channel = channel;
    loadAll();
    emit channelChanged(channel);
}

void FilterWidget::copyToButtonClicked()
{
    QList<ChannelCopyDialog::Channel> inputs;
    QList<ChannelCopyDialog::Channel> outputs;
    const int targets = wideCopyMasks(m_model->deviceInfo()) ? InputChannels : 16;
    for (int ch = 0; ch < targets; ++ch) {
        if (!ChannelStripWidget::maskHas(m_inputMask, ch))
            inputs.append({ch, channelName(ch, Inputs)});
    }
    for (int ch = 0; ch < OutputChannels; ++ch) {
        if (!ChannelStripWidget::maskHas(m_outputMask, ch))
            outputs.append({ch, channelName(ch, Outputs)});
    }
    const QString title =
            ChannelCopyDialog::titleFor(tr("Filter Copy"), channelName(m_channel, m_side));
    const auto chosen = ChannelCopyDialog::choose(this, title, inputs, outputs);
    if (chosen)
        emit channelCopy(m_channel, chosen->inputs, chosen->outputs);
}

void FilterWidget::resetButtonClicked()
{
    const int answer = MessageBox::ask(
            this, MessageBox::Warning, tr("Reset"),
            tr("Are you sure that you want to reset the filter of the selected channel?"),
            {tr("Reset"), tr("Cancel")});
    if (answer == 0)
        emit channelReset(m_channel);
}

// ---- slots: high-pass and low-pass ----

void FilterWidget::hpfEnabledButtonClicked(bool)
{
    emitHighPass();
}

void FilterWidget::hpfTypeButtonGroupButtonClicked(int)
{
    emitHighPass();
}

void FilterWidget::hpfSlopeButtonGroupButtonClicked(int)
{
    emitHighPass();
}

void FilterWidget::hpfFreqEditEditingFinished()
{
    if (takeFrequency(m_hpf.freqEdit, m_hpf.freqKnob, &FilterWidget::hpfFreqEditEditingFinished,
                      highPassRecord(m_channel).frequency))
        emitHighPass();
}

void FilterWidget::hpfFreqKnobValueChanged(int position)
{
    const auto &table = FilterTables::frequencies();
    m_hpf.freqEdit->setText(frequencyText(table[size_t(std::clamp(position, 0, 200))]));
    emitHighPass();
}

void FilterWidget::filterGraphHPFFreqChanged(float freq)
{
    showFrequency(m_hpf.freqEdit, m_hpf.freqKnob, tenths(freq));
    emitHighPass();
}

void FilterWidget::lpfEnabledButtonClicked(bool)
{
    emitLowPass();
}

void FilterWidget::lpfTypeButtonGroupButtonClicked(int)
{
    emitLowPass();
}

void FilterWidget::lpfSlopeButtonGroupButtonClicked(int)
{
    emitLowPass();
}

void FilterWidget::lpfFreqEditEditingFinished()
{
    if (takeFrequency(m_lpf.freqEdit, m_lpf.freqKnob, &FilterWidget::lpfFreqEditEditingFinished,
                      lowPassRecord(m_channel).frequency))
        emitLowPass();
}

void FilterWidget::lpfFreqKnobValueChanged(int position)
{
    const auto &table = FilterTables::frequencies();
    m_lpf.freqEdit->setText(frequencyText(table[size_t(std::clamp(position, 0, 200))]));
    emitLowPass();
}

void FilterWidget::filterGraphLPFFreqChanged(float freq)
{
    showFrequency(m_lpf.freqEdit, m_lpf.freqKnob, tenths(freq));
    emitLowPass();
}

// ---- slots: PEQ ----

void FilterWidget::peqAllEnabledButtonClicked(bool on)
{
    // The navigator sets the enabled byte of every band and sends the bands that changed.
    emit peqAllEnabled(m_channel, on);
    for (int b = 0; b < PeqFilter::BandCount; ++b)
        loadBand(b);
}

void FilterWidget::peqBandButtonGroupButtonClicked(int band)
{
    if (band < 0 || band >= PeqFilter::BandCount)
        return;
    m_currentBand = band;
    m_bands->button(band)->setChecked(true);
    m_graph->setCurrentBand(band);
    loadBand(band);
    emit peqBandChanged(m_channel, band);
}

void FilterWidget::filterGraphCurrentBandChanged(uchar band)
{
    if (band >= PeqFilter::BandCount)
        return;
    m_currentBand = band;
    m_bands->button(band)->setChecked(true);
    loadBand(band);
    emit peqBandChanged(m_channel, band);
}

void FilterWidget::peqEnabledButtonClicked(bool)
{
    emitBand();
}

void FilterWidget::peqTypeButtonGroupButtonClicked(int)
{
    emitBand();
}

void FilterWidget::peqFreqEditEditingFinished()
{
    if (takeFrequency(m_peqFreqEdit, m_peqFreqKnob, &FilterWidget::peqFreqEditEditingFinished,
                      bandRecord(m_channel, m_currentBand).frequency))
        emitBand();
}

void FilterWidget::peqFreqKnobValueChanged(int position)
{
    const auto &table = FilterTables::frequencies();
    m_peqFreqEdit->setText(frequencyText(table[size_t(std::clamp(position, 0, 200))]));
    emitBand();
}

void FilterWidget::peqGainEditEditingFinished()
{
    double typed = 0;
    if (!readNumber(m_gainEdit->text(), typed)) {
        settle(m_gainEdit, &FilterWidget::peqGainEditEditingFinished,
               gainText(bandRecord(m_channel, m_currentBand).gain));
        return;
    }
    const float gain = tenths(std::clamp(typed, -15.0, 15.0));
    settle(m_gainEdit, &FilterWidget::peqGainEditEditingFinished, gainText(gain));
    m_gainKnob->setValue(int(std::lround(double(gain) * 10.0)));
    emitBand();
}

void FilterWidget::peqGainKnobValueChanged(int value)
{
    m_gainEdit->setText(gainText(float(value) / 10.0f));
    emitBand();
}

void FilterWidget::peqQKnobValueChanged(int index)
{
    m_qEdit->setText(qText(index));
    emitBand();
}

void FilterWidget::filterGraphPEQChanged(uchar band, float freq, float gain)
{
    if (band >= PeqFilter::BandCount)
        return;
    if (band != m_currentBand)
        filterGraphCurrentBandChanged(band);
    const float hz = tenths(freq);
    const float db = tenths(std::clamp(double(gain), -15.0, 15.0));
    showFrequency(m_peqFreqEdit, m_peqFreqKnob, hz);
    m_gainKnob->setValue(int(std::lround(double(db) * 10.0)));
    m_gainEdit->setText(gainText(db));
    emitBand();
}
