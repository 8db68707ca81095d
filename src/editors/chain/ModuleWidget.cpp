#include "ModuleWidget.h"

#include "DelayWidget.h"
#include "FeedbackWidget.h"
#include "GateWidget.h"
#include "InSetupWidget.h"
#include "LevelWidget.h"
#include "ModuleButtonBar.h"
#include "ModulePlaceholderWidget.h"

#include "app/SplashScreen.h"
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

// Progress of the start-up splash while the module area is built: 55 to 95 in steps of 5.
class SplashSteps
{
public:
    void next()
    {
        SplashScreen::reportProgress(m_value);
        m_value = qMin(m_value + 5, 95);
    }

private:
    int m_value = 55;
};

} // namespace

ModuleWidget::ModuleWidget(DataModel *model, QWidget *parent)
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

    buildPages();
    retranslate();
    evaluateFirmware();

    // The page the poll already reads (Level Pre Mix after start-up).
    const int start = m_model->currentModule();
    stackedButtonClicked(start >= 0 && start < PageCount ? start : LevelPreMixPage);
}

void ModuleWidget::buildPages()
{
    // Every page is built inside the stack it lives in: a page built on its own and moved in
    // afterwards has the style sheet worked out for all its widgets twice.
    SplashSteps splash;
    m_inSetup = new InSetupWidget(m_model, m_stack);
    addPage(InSetupPage, m_inSetup);
    splash.next();
    m_gate = new GateWidget(m_model, m_stack);
    addPage(GatePage, m_gate);
    splash.next();
    m_feedback = new FeedbackWidget(m_model, m_stack);
    addPage(FeedbackPage, m_feedback);
    splash.next();
    m_inDelay = new DelayWidget(m_model, DelayWidget::Inputs, m_stack);
    addPage(InDelayPage, m_inDelay);
    connect(m_inDelay, &DelayWidget::dataChanged, this, &ModuleWidget::inDelayWidgetDataChanged);
    splash.next();

    m_preLevel = new LevelWidget(m_model, LevelWidget::Inputs, m_stack);
    addPage(LevelPreMixPage, m_preLevel);
    connect(m_preLevel, &LevelWidget::groupChanged, this,
            &ModuleWidget::preLevelWidgetGroupChanged);
    connect(m_preLevel, &LevelWidget::invertChanged, this,
            &ModuleWidget::preLevelWidgetInvertChanged);
    connect(m_preLevel, &LevelWidget::muteChanged, this, &ModuleWidget::preLevelWidgetMuteChanged);
    connect(m_preLevel, &LevelWidget::gainChanged, this, &ModuleWidget::preLevelWidgetGainChanged);
    connect(m_preLevel, &LevelWidget::priorityChanged, this,
            &ModuleWidget::preLevelWidgetPriorityChanged);
    splash.next();

    m_outLevel = new LevelWidget(m_model, LevelWidget::Outputs, m_stack);
    addPage(OutLevelPage, m_outLevel);
    connect(m_outLevel, &LevelWidget::groupChanged, this,
            &ModuleWidget::outLevelWidgetGroupChanged);
    connect(m_outLevel, &LevelWidget::invertChanged, this,
            &ModuleWidget::outLevelWidgetInvertChanged);
    connect(m_outLevel, &LevelWidget::muteChanged, this, &ModuleWidget::outLevelWidgetMuteChanged);
    connect(m_outLevel, &LevelWidget::gainChanged, this, &ModuleWidget::outLevelWidgetGainChanged);
    splash.next();

    m_outDelay = new DelayWidget(m_model, DelayWidget::Outputs, m_stack);
    addPage(OutDelayPage, m_outDelay);
    connect(m_outDelay, &DelayWidget::dataChanged, this, &ModuleWidget::outDelayWidgetDataChanged);
    splash.next();

    // The modules whose editors this version does not have yet.
    for (int index = 0; index < PageCount; ++index) {
        if (m_pages[size_t(index)])
            continue;
        auto *placeholder = new ModulePlaceholderWidget(m_stack);
        m_placeholders[size_t(index)] = placeholder;
        addPage(index, placeholder);
    }
    splash.next();
    for (int index = 0; index < PageCount; ++index)
        m_stack->addWidget(m_pages[size_t(index)]);
    splash.next();
}

void ModuleWidget::addPage(int index, QWidget *page)
{
    m_pages[size_t(index)] = page;
}

QWidget *ModuleWidget::page(int index) const
{
    return index >= 0 && index < PageCount ? m_pages[size_t(index)] : nullptr;
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

void ModuleWidget::retranslate()
{
    const QString texts[PageCount] = {tr("In Setup"),         tr("Gate"),      tr("AGC"),
                                      tr("Feedback"),         tr("In Filter"), tr("In Limiter"),
                                      tr("In Delay"),         tr("ANC"),       tr("AEC"),
                                      tr("Level Pre Mix"),    tr("Matrix"),    tr("Auto Mixer"),
                                      tr("Signal Generator"), tr("Out Level"), tr("Out Filter"),
                                      tr("Out Limiter"),      tr("Out Delay")};
    for (int index = 0; index < PageCount; ++index) {
        m_buttons->button(index)->setText(texts[index]);
        if (ModulePlaceholderWidget *placeholder = m_placeholders[size_t(index)])
            placeholder->setTitle(texts[index]);
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
    // The editors with a channel selector arrive with their own issue; until then their poll
    // reads the first channel.
    if (hasChannelSelector(page))
        m_model->setCurrentChannel(0);
    m_buttons->button(page)->setChecked(true);
    m_stack->setCurrentIndex(page);
    if (auto *strip = qobject_cast<ChannelStripWidget *>(m_pages[size_t(page)]))
        strip->refresh();
}

void ModuleWidget::applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                                      quint32 danteOutputMask)
{
    forEachStrip([=](ChannelStripWidget *strip) {
        strip->applyChannelConfig(inputMask, outputMask, danteInputMask, danteOutputMask);
    });
}

void ModuleWidget::forEachStrip(const std::function<void(ChannelStripWidget *)> &visit) const
{
    ChannelStripWidget *const strips[] = {m_inSetup,  m_gate,     m_feedback, m_inDelay,
                                          m_preLevel, m_outLevel, m_outDelay};
    for (ChannelStripWidget *strip : strips)
        visit(strip);
}

void ModuleWidget::syncFromModel(uchar type, uchar subType, uchar funcId, uchar channel,
                                 uchar other)
{
    Q_UNUSED(other)
    if (type == AudioType)
        syncAudio(subType, funcId, channel);
    else if (type == SystemType)
        syncSystem(subType, funcId, channel);
}

void ModuleWidget::syncAudio(uchar subType, uchar funcId, uchar channel)
{
    const MessageId id {AudioType, subType, funcId};
    switch (subType) {
    case Msg::InputMute.subType: // In Setup; its meters are the inputs' post-fader levels
        if (id == Msg::InputMeters)
            m_preLevel->refreshMeters();
        else
            m_inSetup->refreshChannel(channel);
        break;
    case Msg::GateParams.subType:
        m_gate->refreshChannel(channel);
        break;
    case Msg::FeedbackEnable.subType:
        m_feedback->refreshChannel(channel);
        break;
    case Msg::InDelay.subType:
        m_inDelay->refreshChannel(channel);
        break;
    case Msg::PreMixGain.subType:
        if (id != Msg::PreMixMeters)
            m_preLevel->refreshChannel(channel);
        break;
    case Msg::OutGain.subType:
        if (id == Msg::OutputMeters)
            m_outLevel->refreshMeters();
        else if (id != Msg::OutputPreMeters && id != Msg::UsbRecordSource)
            m_outLevel->refreshChannel(channel);
        break;
    case Msg::OutDelay.subType:
        m_outDelay->refreshChannel(channel);
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
}

void ModuleWidget::updateInSetupSwitchToUSB()
{
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
