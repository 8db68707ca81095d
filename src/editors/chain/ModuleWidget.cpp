#include "ModuleWidget.h"

#include "DelayWidget.h"
#include "FeedbackWidget.h"
#include "GateWidget.h"
#include "InSetupWidget.h"
#include "LevelWidget.h"
#include "ModuleButtonBar.h"
#include "ModulePlaceholderWidget.h"

#include "editors/cancellation/CancellationGeneration.h"
#include "editors/cancellation/CancellationPage.h"
#include "editors/cancellation/SignalGeneratorWidget.h"
#include "editors/matrix/AutoMixerWidget.h"
#include "editors/matrix/MatrixWidget.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"

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
    default: { // the modules whose editors this version does not have yet
        auto *placeholder = new ModulePlaceholderWidget(m_stack);
        placeholder->setTitle(pageTitle(index));
        m_placeholders[size_t(index)] = placeholder;
        return placeholder;
    }
    }
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
    for (int index = 0; index < PageCount; ++index) {
        const QString title = pageTitle(index);
        m_buttons->button(index)->setText(title);
        if (ModulePlaceholderWidget *placeholder = m_placeholders[size_t(index)])
            placeholder->setTitle(title);
    }
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
    // The pages with a channel selector show placeholders in this version; their poll reads
    // the first channel.
    if (hasChannelSelector(page))
        m_model->setCurrentChannel(0);
    m_buttons->button(page)->setChecked(true);
    // A page built now has just read the mirror; one built before catches up.
    const bool built = isPageBuilt(page);
    QWidget *shown = this->page(page);
    m_stack->setCurrentIndex(page);
    if (auto *strip = qobject_cast<ChannelStripWidget *>(shown); strip && built)
        strip->refresh();
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
    default: // modules whose editors come later
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
