#include "ModuleWidget.h"

#include "DelayWidget.h"
#include "FeedbackWidget.h"
#include "GateWidget.h"
#include "InSetupWidget.h"
#include "LevelWidget.h"
#include "ModuleButtonBar.h"

#include "editors/dynamics/AGCWidget.h"
#include "editors/dynamics/LimiterWidget.h"
#include "editors/filter/FilterWidget.h"
#include "editors/cancellation/CancellationGeneration.h"
#include "editors/cancellation/CancellationPage.h"
#include "editors/cancellation/SignalGeneratorWidget.h"
#include "editors/matrix/AutoMixerWidget.h"
#include "editors/matrix/MatrixWidget.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"
#include "wire/ByteWriter.h"

#include <QButtonGroup>
#include <QEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr uchar AudioType = 3;
constexpr uchar SystemType = 2;
constexpr uchar AllChannels = 255;

// The module area's share of the start-up progress: 55 to 95 in steps of 5.
constexpr int SplashFirst = 55;
constexpr int SplashLast = 95;
constexpr int SplashStep = 5;

} // namespace

ModuleWidget::ModuleWidget(DataModel *model, QWidget *parent,
                           const std::function<void(int)> &buildProgress)
    : QWidget(parent), m_model(model), m_buttonBar(new ModuleButtonBar(this)),
      m_buttons(new QButtonGroup(this)), m_stack(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("moduleWidget"));
    m_buttonBar->setObjectName(QStringLiteral("moduleButtonBar"));
    m_stack->setObjectName(QStringLiteral("moduleStackedWidget"));
    m_buttons->setExclusive(true);
    for (int index = 0; index < PageCount; ++index) {
        auto *button = new QPushButton;
        button->setObjectName(QStringLiteral("moduleButton"));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        m_buttons->addButton(button, index);
        m_buttonBar->addButton(button);
    }
    connect(m_buttons, &QButtonGroup::idClicked, this, &ModuleWidget::stackedButtonClicked);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(m_buttonBar);
    layout->addWidget(m_stack, 1);

    // Only the page on screen is built now; the others on first use. Each strip page holds
    // hundreds of controls, and building all of them would keep the user waiting at start-up.
    const auto report = [&buildProgress](int value) {
        if (buildProgress)
            buildProgress(value);
    };
    report(SplashFirst);
    for (int index = 0; index < PageCount; ++index)
        m_stack->addWidget(new QWidget(m_stack));
    retranslate();
    evaluateFirmware();

    // The page the poll already reads (Level Pre Mix after start-up).
    const int start = m_model->currentModule();
    stackedButtonClicked(start >= 0 && start < PageCount ? start : LevelPreMixPage);
    for (int value = SplashFirst + SplashStep; value <= SplashLast; value += SplashStep)
        report(value);
}

QWidget *ModuleWidget::createPage(int index)
{
    // A page is built inside the stack it lives in: a page built on its own and moved in
    // afterwards has the style sheet worked out for all its widgets twice.
    switch (index) {
    case InSetupPage:
        m_inSetup = new InSetupWidget(m_model, m_stack);
        m_inSetup->setUsbModeAvailable(m_features.usbInputMode);
        return m_inSetup;
    case GatePage:
        return m_gate = new GateWidget(m_model, m_stack);
    case FeedbackPage:
        return m_feedback = new FeedbackWidget(m_model, m_stack);
    case InDelayPage:
        m_inDelay = new DelayWidget(m_model, DelayWidget::Inputs, m_stack);
        connect(m_inDelay, &DelayWidget::dataChanged, this,
                &ModuleWidget::inDelayWidgetDataChanged);
        return m_inDelay;
    case LevelPreMixPage:
        m_preLevel = new LevelWidget(m_model, LevelWidget::Inputs, m_stack);
        connect(m_preLevel, &LevelWidget::groupChanged, this,
                &ModuleWidget::preLevelWidgetGroupChanged);
        connect(m_preLevel, &LevelWidget::invertChanged, this,
                &ModuleWidget::preLevelWidgetInvertChanged);
        connect(m_preLevel, &LevelWidget::muteChanged, this,
                &ModuleWidget::preLevelWidgetMuteChanged);
        connect(m_preLevel, &LevelWidget::gainChanged, this,
                &ModuleWidget::preLevelWidgetGainChanged);
        connect(m_preLevel, &LevelWidget::priorityChanged, this,
                &ModuleWidget::preLevelWidgetPriorityChanged);
        return m_preLevel;
    case OutLevelPage:
        m_outLevel = new LevelWidget(m_model, LevelWidget::Outputs, m_stack);
        connect(m_outLevel, &LevelWidget::groupChanged, this,
                &ModuleWidget::outLevelWidgetGroupChanged);
        connect(m_outLevel, &LevelWidget::invertChanged, this,
                &ModuleWidget::outLevelWidgetInvertChanged);
        connect(m_outLevel, &LevelWidget::muteChanged, this,
                &ModuleWidget::outLevelWidgetMuteChanged);
        connect(m_outLevel, &LevelWidget::gainChanged, this,
                &ModuleWidget::outLevelWidgetGainChanged);
        return m_outLevel;
    case AgcPage:
        return m_agc = new AGCWidget(m_model, m_stack);
    case InLimiterPage:
        return m_inLimiter = connectLimiter(
                       new LimiterWidget(m_model, DynamicsEditor::Inputs, m_stack));
    case OutLimiterPage:
        return m_outLimiter = connectLimiter(
                       new LimiterWidget(m_model, DynamicsEditor::Outputs, m_stack));
    case InFilterPage:
        return m_inFilter = createFilterPage(true);
    case OutFilterPage:
        return m_outFilter = createFilterPage(false);
    case OutDelayPage:
        m_outDelay = new DelayWidget(m_model, DelayWidget::Outputs, m_stack);
        connect(m_outDelay, &DelayWidget::dataChanged, this,
                &ModuleWidget::outDelayWidgetDataChanged);
        return m_outDelay;
    case MatrixPage:
        return m_matrix = new MatrixWidget(
                       m_model, CancellationGeneration::forDspVersion(m_model->deviceInfo().dspVersion),
                       m_stack);
    case AutoMixerPage:
        return m_autoMixer = new AutoMixerWidget(m_model, m_stack);
    case SignalGeneratorPage:
        return m_signalGenerator = new SignalGeneratorWidget(m_model, m_stack);
    case AecPage:
    case AncPage: {
        auto *page = new CancellationPage(
                m_model, index == AecPage ? CancellationPage::Aec : CancellationPage::Anc,
                CancellationGeneration::forDspVersion(m_model->deviceInfo().dspVersion), m_stack);
        // The matrix shows what the cancellation blocks take and where they are mixed.
        connect(page, &CancellationPage::matrixChanged, this, [this, index] {
            if (m_matrix && index == AecPage)
                m_matrix->aecMatrixChanged();
            else if (m_matrix)
                m_matrix->ancMatrixChanged();
        });
        (index == AecPage ? m_aec : m_anc) = page;
        return page;
    }
    }
    Q_UNREACHABLE(); // page() passes only the indices of Page
    return nullptr;
}

QWidget *ModuleWidget::page(int index)
{
    if (index < 0 || index >= PageCount)
        return nullptr;
    if (QWidget *built = m_pages[size_t(index)])
        return built;

    QWidget *page = createPage(index);
    m_pages[size_t(index)] = page;
    // The page takes the place the stack kept for it.
    QWidget *empty = m_stack->widget(index);
    const bool current = m_stack->currentIndex() == index;
    m_stack->removeWidget(empty);
    m_stack->insertWidget(index, page);
    delete empty;
    if (current)
        m_stack->setCurrentIndex(index);
    // A strip built now reads the mirror itself; the channel configuration it missed is handed
    // over here.
    auto *strip = qobject_cast<ChannelStripWidget *>(page);
    if (strip && m_channelConfig)
        strip->applyChannelConfig(m_channelConfig->input, m_channelConfig->output,
                                  m_channelConfig->danteInput, m_channelConfig->danteOutput);
    auto *dynamics = qobject_cast<DynamicsEditor *>(page);
    if (dynamics && m_channelConfig)
        dynamics->applyChannelConfig(m_channelConfig->input, m_channelConfig->output);
    applyRoutingConfig();
    return page;
}

bool ModuleWidget::isPageBuilt(int index) const
{
    return index >= 0 && index < PageCount && m_pages[size_t(index)];
}

InSetupWidget *ModuleWidget::inSetupWidget()
{
    return built(InSetupPage, m_inSetup);
}

GateWidget *ModuleWidget::gateWidget()
{
    return built(GatePage, m_gate);
}

FeedbackWidget *ModuleWidget::feedbackWidget()
{
    return built(FeedbackPage, m_feedback);
}

DelayWidget *ModuleWidget::inDelayWidget()
{
    return built(InDelayPage, m_inDelay);
}

DelayWidget *ModuleWidget::outDelayWidget()
{
    return built(OutDelayPage, m_outDelay);
}

LevelWidget *ModuleWidget::preLevelWidget()
{
    return built(LevelPreMixPage, m_preLevel);
}

LevelWidget *ModuleWidget::outLevelWidget()
{
    return built(OutLevelPage, m_outLevel);
}

AGCWidget *ModuleWidget::agcWidget()
{
    return built(AgcPage, m_agc);
}

LimiterWidget *ModuleWidget::inLimiterWidget()
{
    return built(InLimiterPage, m_inLimiter);
}

LimiterWidget *ModuleWidget::outLimiterWidget()
{
    return built(OutLimiterPage, m_outLimiter);
}

FilterWidget *ModuleWidget::inFilterWidget()
{
    return built(InFilterPage, m_inFilter);
}

FilterWidget *ModuleWidget::outFilterWidget()
{
    return built(OutFilterPage, m_outFilter);
}

MatrixWidget *ModuleWidget::matrixWidget()
{
    return built(MatrixPage, m_matrix);
}

AutoMixerWidget *ModuleWidget::autoMixerWidget()
{
    return built(AutoMixerPage, m_autoMixer);
}

SignalGeneratorWidget *ModuleWidget::signalGeneratorWidget()
{
    return built(SignalGeneratorPage, m_signalGenerator);
}

CancellationPage *ModuleWidget::aecPage()
{
    return built(AecPage, m_aec);
}

CancellationPage *ModuleWidget::ancPage()
{
    return built(AncPage, m_anc);
}

QAbstractButton *ModuleWidget::pageButton(int index) const
{
    return m_buttons->button(index);
}

int ModuleWidget::currentPage() const
{
    return m_stack->currentIndex();
}

bool ModuleWidget::hasChannelSelector(int page)
{
    return page == AgcPage || page == InFilterPage || page == InLimiterPage || page == OutFilterPage
            || page == OutLimiterPage;
}

QString ModuleWidget::pageTitle(int index)
{
    switch (index) {
    case InSetupPage:
        return tr("In Setup");
    case GatePage:
        return tr("Gate");
    case AgcPage:
        return tr("AGC");
    case FeedbackPage:
        return tr("Feedback");
    case InFilterPage:
        return tr("In Filter");
    case InLimiterPage:
        return tr("In Limiter");
    case InDelayPage:
        return tr("In Delay");
    case AncPage:
        return tr("ANC");
    case AecPage:
        return tr("AEC");
    case LevelPreMixPage:
        return tr("Level Pre Mix");
    case MatrixPage:
        return tr("Matrix");
    case AutoMixerPage:
        return tr("Auto Mixer");
    case SignalGeneratorPage:
        return tr("Signal Generator");
    case OutLevelPage:
        return tr("Out Level");
    case OutFilterPage:
        return tr("Out Filter");
    case OutLimiterPage:
        return tr("Out Limiter");
    case OutDelayPage:
        return tr("Out Delay");
    default:
        return QString();
    }
}

void ModuleWidget::retranslate()
{
    for (int index = 0; index < PageCount; ++index)
        m_buttons->button(index)->setText(pageTitle(index));
}

void ModuleWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ModuleWidget::stackedButtonClicked(int page)
{
    if (page < 0 || page >= PageCount)
        return;
    m_model->setCurrentModule(page);
    m_buttons->button(page)->setChecked(true);
    // A page built now has just read the mirror; one built before catches up.
    const bool built = isPageBuilt(page);
    QWidget *shown = this->page(page);
    // The poll reads the channel the page's selector shows.
    if (hasChannelSelector(page))
        m_model->setCurrentChannel(quint8(selectedChannel(page)));
    m_stack->setCurrentIndex(page);
    if (auto *strip = qobject_cast<ChannelStripWidget *>(shown); strip && built)
        strip->refresh();
    if (auto *dynamics = qobject_cast<DynamicsEditor *>(shown); dynamics && built)
        dynamics->refresh();
    if (built && shown == m_matrix)
        m_matrix->refresh();
    else if (built && shown == m_signalGenerator)
        m_signalGenerator->refresh();
    else if (built && (shown == m_aec || shown == m_anc))
        static_cast<CancellationPage *>(shown)->refresh();
}

void ModuleWidget::applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                                      quint32 danteOutputMask)
{
    m_channelConfig =
            SystemSettings::ChannelMasks {inputMask, outputMask, danteInputMask, danteOutputMask};
    forEachStrip([=](ChannelStripWidget *strip) {
        strip->applyChannelConfig(inputMask, outputMask, danteInputMask, danteOutputMask);
    });
    forEachDynamicsEditor([=](DynamicsEditor *editor) {
        editor->applyChannelConfig(inputMask, outputMask);
    });
    for (FilterWidget *filter : {m_inFilter, m_outFilter}) {
        if (filter)
            filter->applyChannelConfig(inputMask, outputMask);
    }
    applyRoutingConfig();
}

// The routing pages hide the channels the configuration does not have.
void ModuleWidget::applyRoutingConfig()
{
    if (!m_channelConfig)
        return;
    const quint32 in = m_channelConfig->input;
    const quint32 out = m_channelConfig->output;
    if (m_matrix)
        m_matrix->applyChannelConfig(in, out);
    if (m_signalGenerator)
        m_signalGenerator->applyChannelConfig(out);
    for (CancellationPage *page : {m_aec, m_anc})
        if (page)
            page->applyChannelConfig(in, out);
}

void ModuleWidget::refreshRoutingLabels()
{
    if (m_matrix)
        m_matrix->refreshLabels();
    if (m_signalGenerator)
        m_signalGenerator->refreshLabels();
    for (CancellationPage *page : {m_aec, m_anc})
        if (page)
            page->refreshLabels();
}

void ModuleWidget::forEachStrip(const std::function<void(ChannelStripWidget *)> &visit) const
{
    ChannelStripWidget *const strips[] = {m_inSetup,  m_gate,     m_feedback, m_inDelay,
                                          m_preLevel, m_outLevel, m_outDelay, m_autoMixer};
    for (ChannelStripWidget *strip : strips) {
        if (strip) // pages not built yet read everything when they are
            visit(strip);
    }
}

void ModuleWidget::syncFromModel(uchar type, uchar subType, uchar funcId, uchar channel,
                                 uchar other)
{
    if (type == AudioType)
        syncAudio(subType, funcId, channel, other);
    else if (type == SystemType)
        syncSystem(subType, funcId, channel);
}

// A page not built yet has nothing to refresh: it reads the mirror when it is built.
void ModuleWidget::refreshChannel(ChannelStripWidget *strip, int channel)
{
    if (strip)
        strip->refreshChannel(channel);
}

void ModuleWidget::refreshMeters(LevelWidget *strip)
{
    if (strip)
        strip->refreshMeters();
}

void ModuleWidget::syncAudio(uchar subType, uchar funcId, uchar channel, uchar other)
{
    if (syncRouting(subType, funcId, channel, other))
        return;
    const MessageId id {AudioType, subType, funcId};
    switch (subType) {
    case Msg::InputMute.subType: // In Setup; its meters are the inputs' post-fader levels
        if (id == Msg::InputMeters)
            refreshMeters(m_preLevel);
        else
            refreshChannel(m_inSetup, channel);
        break;
    case Msg::GateParams.subType:
        refreshChannel(m_gate, channel);
        break;
    case Msg::FeedbackEnable.subType:
        refreshChannel(m_feedback, channel);
        break;
    case Msg::InDelay.subType:
        refreshChannel(m_inDelay, channel);
        break;
    case Msg::PreMixGain.subType:
        if (id != Msg::PreMixMeters)
            refreshChannel(m_preLevel, channel);
        break;
    case Msg::OutGain.subType:
        if (id == Msg::OutputMeters)
            refreshMeters(m_outLevel);
        else if (id != Msg::OutputPreMeters && id != Msg::UsbRecordSource)
            refreshChannel(m_outLevel, channel);
        break;
    case Msg::OutDelay.subType:
        refreshChannel(m_outDelay, channel);
        break;
    case Msg::InLimiter.subType:
        refreshDynamics(m_inLimiter, channel);
        break;
    case Msg::OutLimiter.subType:
        refreshDynamics(m_outLimiter, channel);
        break;
    case Msg::Agc.subType:
        refreshDynamics(m_agc, channel);
        break;
    case Msg::InFilterHPF.subType:
        reloadFilter(m_inFilter, channel);
        break;
    case Msg::OutFilterHPF.subType:
        reloadFilter(m_outFilter, channel);
        break;
    default: // shown by no chain page (routing pages were handled above)
        break;
    }
}

void ModuleWidget::syncSystem(uchar subType, uchar funcId, uchar channel)
{
    const MessageId id {SystemType, subType, funcId};
    if (id == Msg::InputLabels || id == Msg::OutputLabels) {
        const ChannelStripWidget::Side side =
                id == Msg::InputLabels ? ChannelStripWidget::Inputs : ChannelStripWidget::Outputs;
        forEachStrip([=](ChannelStripWidget *strip) {
            if (strip->side() == side)
                strip->refreshLabel(channel == AllChannels ? AllChannels : channel);
        });
        forEachDynamicsEditor([](DynamicsEditor *editor) { editor->refreshLabels(); });
        for (FilterWidget *filter : {m_inFilter, m_outFilter}) {
            if (filter)
                filter->refreshLabels();
        }
        refreshRoutingLabels();
    } else if (id == Msg::SysDanteState) {
        forEachStrip([](ChannelStripWidget *strip) { strip->refreshDanteState(); });
    } else if (id == Msg::SysDspVersion) {
        evaluateFirmware();
    }
}

void ModuleWidget::evaluateFirmware()
{
    m_features = FirmwareFeatures::forDspVersion(m_model->deviceInfo().dspVersion);
    updateInSetupSwitchToUSB();
    for (FilterWidget *filter : {m_inFilter, m_outFilter}) {
        if (filter)
            filter->setCopyAndResetAvailable(m_features.filterExtras);
    }
    const auto generation =
            CancellationGeneration::forDspVersion(m_model->deviceInfo().dspVersion);
    for (CancellationPage *page : {m_aec, m_anc})
        if (page)
            page->setGeneration(generation);
    if (m_matrix)
        m_matrix->setCancellationGeneration(generation);
    applyRoutingConfig();
}

bool ModuleWidget::syncRouting(uchar subType, uchar funcId, uchar channel, uchar other)
{
    const MessageId id {AudioType, subType, funcId};
    switch (subType) {
    case Msg::MatrixRoute.subType:
        if (id == Msg::MatrixSwitches)
            return true;
        if (m_matrix)
            m_matrix->refreshCell(channel, other);
        // The cancellation pages show where their outputs are mixed.
        if (m_aec && (channel == MatrixExtras::AecChannel || channel == AllChannels))
            m_aec->refresh();
        if (m_anc && (channel == MatrixExtras::AncChannel || channel == AllChannels))
            m_anc->refresh();
        return true;
    case Msg::SigGenOutputs.subType:
        if (m_signalGenerator)
            m_signalGenerator->refresh();
        return true;
    case Msg::AecEnable.subType:
    case Msg::AncConfig.subType:
        if (CancellationPage *page = subType == Msg::AecEnable.subType ? m_aec : m_anc)
            page->refresh();
        if (m_matrix)
            m_matrix->aecMatrixChanged();
        return true;
    case Msg::AutoMixWeight.subType:
        if (!m_autoMixer)
            return true;
        if (id == Msg::AutoMixMeters)
            m_autoMixer->refreshMeters();
        else if (id == Msg::AutoMixEnable)
            m_autoMixer->refreshGroups();
        else
            m_autoMixer->refreshChannel(channel);
        return true;
    default:
        return false;
    }
}

void ModuleWidget::updateInSetupSwitchToUSB()
{
    if (!m_inSetup)
        return;
    m_inSetup->setUsbModeAvailable(m_features.usbInputMode);
    m_inSetup->refreshChannel(0);
    m_inSetup->refreshChannel(1);
}

void ModuleWidget::inDelayWidgetDataChanged(int channel, float ms)
{
    if (channel < 0 || channel >= DelayWidget::Channels)
        return;
    float &delay = m_model->input(channel).delay;
    if (delay == ms)
        return;
    delay = ms;
    m_model->queueWrite(Msg::InDelay, quint8(channel), 255,
                        SetPayload::channelFloat(quint8(channel), ms));
}

void ModuleWidget::outDelayWidgetDataChanged(int channel, float ms)
{
    if (channel < 0 || channel >= DelayWidget::Channels)
        return;
    float &delay = m_model->output(channel).delay;
    if (delay == ms)
        return;
    delay = ms;
    m_model->queueWrite(Msg::OutDelay, quint8(channel), 255,
                        SetPayload::channelFloat(quint8(channel), ms));
}

void ModuleWidget::preLevelWidgetGroupChanged(int channel, int group)
{
    m_model->sendWrite(Msg::PreMixGroup, SetPayload::channelByte(quint8(channel), quint8(group)));
}

void ModuleWidget::preLevelWidgetInvertChanged(int channel, bool invert)
{
    m_model->sendWrite(Msg::PreMixInvert, SetPayload::channelByte(quint8(channel), invert));
}

void ModuleWidget::preLevelWidgetMuteChanged(int channel, bool mute)
{
    m_model->sendWrite(Msg::PreMixMute, SetPayload::channelByte(quint8(channel), mute));
}

void ModuleWidget::preLevelWidgetGainChanged(int channel, float gain)
{
    m_model->queueWrite(Msg::PreMixGain, quint8(channel), 255,
                        SetPayload::channelFloat(quint8(channel), gain));
}

void ModuleWidget::preLevelWidgetPriorityChanged(int channel, bool priority)
{
    m_model->sendWrite(Msg::PreMixPriority, SetPayload::channelByte(quint8(channel), priority));
}

void ModuleWidget::outLevelWidgetGroupChanged(int channel, int group)
{
    m_model->sendWrite(Msg::OutGroup, SetPayload::channelByte(quint8(channel), quint8(group)));
}

void ModuleWidget::outLevelWidgetInvertChanged(int channel, bool invert)
{
    m_model->sendWrite(Msg::OutInvert, SetPayload::channelByte(quint8(channel), invert));
}

void ModuleWidget::outLevelWidgetMuteChanged(int channel, bool mute)
{
    m_model->sendWrite(Msg::OutMute, SetPayload::channelByte(quint8(channel), mute));
}

void ModuleWidget::outLevelWidgetGainChanged(int channel, float gain)
{
    m_model->queueWrite(Msg::OutGain, quint8(channel), 255,
                        SetPayload::channelFloat(quint8(channel), gain));
}

// ---- filter pages ----

FilterWidget *ModuleWidget::createFilterPage(bool inputs)
{
    auto *editor = new FilterWidget(m_model, inputs ? FilterWidget::Inputs : FilterWidget::Outputs,
                                    m_stack);
    editor->setCopyAndResetAvailable(m_features.filterExtras);
    if (m_channelConfig)
        editor->applyChannelConfig(m_channelConfig->input, m_channelConfig->output);
    if (inputs) {
        connect(editor, &FilterWidget::channelChanged, this,
                &ModuleWidget::inFilterWidgetChannelChanged);
        connect(editor, &FilterWidget::channelCopy, this, &ModuleWidget::inFilterWidgetChannelCopy);
        connect(editor, &FilterWidget::channelReset, this,
                &ModuleWidget::inFilterWidgetChannelReset);
        connect(editor, &FilterWidget::hpfChanged, this, &ModuleWidget::inFilterWidgetHPFChanged);
        connect(editor, &FilterWidget::lpfChanged, this, &ModuleWidget::inFilterWidgetLPFChanged);
        connect(editor, &FilterWidget::peqAllEnabled, this,
                &ModuleWidget::inFilterWidgetPEQAllEnabled);
        connect(editor, &FilterWidget::peqBandChanged, this,
                &ModuleWidget::inFilterWidgetPEQBandChanged);
        connect(editor, &FilterWidget::peqChanged, this, &ModuleWidget::inFilterWidgetPEQChanged);
    } else {
        connect(editor, &FilterWidget::channelChanged, this,
                &ModuleWidget::outFilterWidgetChannelChanged);
        connect(editor, &FilterWidget::channelCopy, this,
                &ModuleWidget::outFilterWidgetChannelCopy);
        connect(editor, &FilterWidget::channelReset, this,
                &ModuleWidget::outFilterWidgetChannelReset);
        connect(editor, &FilterWidget::hpfChanged, this, &ModuleWidget::outFilterWidgetHPFChanged);
        connect(editor, &FilterWidget::lpfChanged, this, &ModuleWidget::outFilterWidgetLPFChanged);
        connect(editor, &FilterWidget::peqAllEnabled, this,
                &ModuleWidget::outFilterWidgetPEQAllEnabled);
        connect(editor, &FilterWidget::peqBandChanged, this,
                &ModuleWidget::outFilterWidgetPEQBandChanged);
        connect(editor, &FilterWidget::peqChanged, this, &ModuleWidget::outFilterWidgetPEQChanged);
    }
    return editor;
}

void ModuleWidget::reloadFilter(FilterWidget *editor, int channel)
{
    // Only the channel on screen has anything to show.
    if (editor && (channel == AllChannels || channel == editor->channel()))
        editor->loadAll();
}

void ModuleWidget::filterChannelChanged(FilterWidget *editor, int channel)
{
    if (channel < 0 || channel >= editor->channelCount())
        return;
    if (m_stack->currentWidget() == editor)
        m_model->setCurrentChannel(quint8(channel));
    editor->loadChannel(channel);
}

void ModuleWidget::filterChannelCopy(FilterWidget *editor, int channel, quint32 inputMask,
                                     quint32 outputMask)
{
    if (channel < 0 || channel >= editor->channelCount())
        return;
    // Devices of the 5.x DSP firmware take the masks' high halves too. Without them the request
    // cannot name input 17 (USB playback), so the mirror leaves it alone as the device will.
    const bool wideMasks = FilterWidget::wideCopyMasks(m_model->deviceInfo());
    if (!wideMasks) {
        inputMask &= 0xFFFFu;
        outputMask &= 0xFFFFu;
    }
    // The whole block of the source goes to every masked channel, then one request.
    const HlpfFilter hpf = editor->highPassRecord(channel);
    const HlpfFilter lpf = editor->lowPassRecord(channel);
    std::array<PeqFilter, PeqFilter::BandCount> bands;
    for (int b = 0; b < PeqFilter::BandCount; ++b)
        bands[size_t(b)] = editor->bandRecord(channel, b);
    for (int ch = 0; ch < FilterWidget::InputChannels; ++ch) {
        if (inputMask >> ch & 1U) {
            InputChannel &in = m_model->input(ch);
            in.hpf = hpf;
            in.lpf = lpf;
            in.peq = bands;
        }
    }
    for (int ch = 0; ch < FilterWidget::OutputChannels; ++ch) {
        if (outputMask >> ch & 1U) {
            OutputChannel &out = m_model->output(ch);
            out.hpf = hpf;
            out.lpf = lpf;
            out.peq = bands;
        }
    }
    if (m_inFilter && (inputMask >> m_inFilter->channel() & 1U))
        m_inFilter->loadAll();
    if (m_outFilter && (outputMask >> m_outFilter->channel() & 1U))
        m_outFilter->loadAll();
    const MessageId id =
            editor->side() == FilterWidget::Inputs ? Msg::InFilterCopy : Msg::OutFilterCopy;
    m_model->sendWrite(id,
                       ByteWriter(9)
                               .u8(quint8(channel))
                               .bytes(SetPayload::channelCopy(inputMask, outputMask, wideMasks)));
}

void ModuleWidget::filterChannelReset(FilterWidget *editor, int channel)
{
    if (channel < 0 || channel >= editor->channelCount())
        return;
    editor->highPassRecord(channel) = HlpfFilter {0, 0, 0, 20.0f};
    editor->lowPassRecord(channel) = HlpfFilter {0, 0, 0, 20000.0f};
    const auto bands = PeqFilter::startBands();
    for (int b = 0; b < PeqFilter::BandCount; ++b)
        editor->bandRecord(channel, b) = bands[size_t(b)];
    if (editor->channel() == channel)
        editor->loadAll();
    const MessageId id =
            editor->side() == FilterWidget::Inputs ? Msg::InFilterReset : Msg::OutFilterReset;
    m_model->sendWrite(id, ByteWriter(1).u8(quint8(channel)));
}

void ModuleWidget::filterPassChanged(FilterWidget *editor, bool highPass, int channel,
                                     const HlpfFilter *filter)
{
    if (!filter || channel < 0 || channel >= editor->channelCount())
        return;
    HlpfFilter &stored =
            highPass ? editor->highPassRecord(channel) : editor->lowPassRecord(channel);
    if (stored == *filter)
        return;
    stored = *filter;
    const bool inputs = editor->side() == FilterWidget::Inputs;
    const MessageId id = highPass ? (inputs ? Msg::InFilterHPF : Msg::OutFilterHPF)
                                  : (inputs ? Msg::InFilterLPF : Msg::OutFilterLPF);
    m_model->queueWrite(id, quint8(channel), 255, SetPayload::hlpf(quint8(channel), stored));
}

void ModuleWidget::filterAllEnabled(FilterWidget *editor, int channel, bool enabled)
{
    if (channel < 0 || channel >= editor->channelCount())
        return;
    const MessageId id =
            editor->side() == FilterWidget::Inputs ? Msg::InFilterPEQ : Msg::OutFilterPEQ;
    for (int b = 0; b < PeqFilter::BandCount; ++b) {
        PeqFilter &band = editor->bandRecord(channel, b);
        if ((band.enabled != 0) == enabled)
            continue;
        band.enabled = enabled ? 1 : 0;
        m_model->queueWrite(id, quint8(channel), quint8(b),
                            SetPayload::peq(quint8(channel), quint8(b), band));
    }
}

void ModuleWidget::filterBandChanged(FilterWidget *editor, int channel, int band,
                                     const PeqFilter *filter)
{
    if (!filter || channel < 0 || channel >= editor->channelCount() || band < 0
        || band >= PeqFilter::BandCount)
        return;
    PeqFilter &stored = editor->bandRecord(channel, band);
    if (stored == *filter)
        return;
    stored = *filter;
    const MessageId id =
            editor->side() == FilterWidget::Inputs ? Msg::InFilterPEQ : Msg::OutFilterPEQ;
    m_model->queueWrite(id, quint8(channel), quint8(band),
                        SetPayload::peq(quint8(channel), quint8(band), stored));
}

void ModuleWidget::inFilterWidgetChannelChanged(int channel)
{
    filterChannelChanged(m_inFilter, channel);
}

void ModuleWidget::inFilterWidgetChannelCopy(int channel, quint32 inputMask, quint32 outputMask)
{
    filterChannelCopy(m_inFilter, channel, inputMask, outputMask);
}

void ModuleWidget::inFilterWidgetChannelReset(int channel)
{
    filterChannelReset(m_inFilter, channel);
}

void ModuleWidget::inFilterWidgetHPFChanged(int channel, HlpfFilter *filter)
{
    filterPassChanged(m_inFilter, true, channel, filter);
}

void ModuleWidget::inFilterWidgetLPFChanged(int channel, HlpfFilter *filter)
{
    filterPassChanged(m_inFilter, false, channel, filter);
}

void ModuleWidget::inFilterWidgetPEQAllEnabled(int channel, bool enabled)
{
    filterAllEnabled(m_inFilter, channel, enabled);
}

void ModuleWidget::inFilterWidgetPEQBandChanged(int channel, int band)
{
    if (channel == m_inFilter->channel())
        m_inFilter->loadBand(band);
}

void ModuleWidget::inFilterWidgetPEQChanged(int channel, int band, PeqFilter *filter)
{
    filterBandChanged(m_inFilter, channel, band, filter);
}

void ModuleWidget::outFilterWidgetChannelChanged(int channel)
{
    filterChannelChanged(m_outFilter, channel);
}

void ModuleWidget::outFilterWidgetChannelCopy(int channel, quint32 inputMask, quint32 outputMask)
{
    filterChannelCopy(m_outFilter, channel, inputMask, outputMask);
}

void ModuleWidget::outFilterWidgetChannelReset(int channel)
{
    filterChannelReset(m_outFilter, channel);
}

void ModuleWidget::outFilterWidgetHPFChanged(int channel, HlpfFilter *filter)
{
    filterPassChanged(m_outFilter, true, channel, filter);
}

void ModuleWidget::outFilterWidgetLPFChanged(int channel, HlpfFilter *filter)
{
    filterPassChanged(m_outFilter, false, channel, filter);
}

void ModuleWidget::outFilterWidgetPEQAllEnabled(int channel, bool enabled)
{
    filterAllEnabled(m_outFilter, channel, enabled);
}

void ModuleWidget::outFilterWidgetPEQBandChanged(int channel, int band)
{
    if (channel == m_outFilter->channel())
        m_outFilter->loadBand(band);
}

void ModuleWidget::outFilterWidgetPEQChanged(int channel, int band, PeqFilter *filter)
{
    filterBandChanged(m_outFilter, channel, band, filter);
}
