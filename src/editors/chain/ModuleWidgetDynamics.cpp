// The navigator's half of the limiter editors: what they report becomes the mirror's values and
// the requests to the device. The AGC editor sends its own; here it is only hosted.
#include "ModuleWidget.h"

#include "editors/dynamics/AGCWidget.h"
#include "editors/dynamics/LimiterWidget.h"

#include "model/DataModel.h"
#include "model/MessageCatalogue.h"
#include "model/SetPayload.h"
#include "wire/ByteWriter.h"

namespace {

constexpr uchar AllChannelsIndex = 255;

// Devices whose DSP firmware has major version 5 take the copy masks with their high halves.
bool wideCopyMasks(DataModel &model)
{
    return model.deviceInfo().dspVersion[0] == 5;
}

// Whether a throttled write of the channel's record still waits to be sent.
bool writePending(const DataModel &model, MessageId id, int channel)
{
    for (const PendingWrite &write : model.pendingWrites()) {
        if (write.id == id && write.channel == channel)
            return true;
    }
    return false;
}

} // namespace

LimiterWidget *ModuleWidget::connectLimiter(LimiterWidget *limiter)
{
    if (limiter->side() == DynamicsEditor::Inputs) {
        connect(limiter, &LimiterWidget::channelChanged, this,
                &ModuleWidget::inLimiterWidgetChannelChanged);
        connect(limiter, &LimiterWidget::channelCopy, this,
                &ModuleWidget::inLimiterWidgetChannelCopy);
        connect(limiter, &LimiterWidget::channelReset, this,
                &ModuleWidget::inLimiterWidgetChannelReset);
        connect(limiter, &LimiterWidget::dataChanged, this,
                &ModuleWidget::inLimiterWidgetDataChanged);
        connect(limiter, &LimiterWidget::gainChanged, this,
                &ModuleWidget::inLimiterWidgetGainChanged);
    } else {
        connect(limiter, &LimiterWidget::channelChanged, this,
                &ModuleWidget::outLimiterWidgetChannelChanged);
        connect(limiter, &LimiterWidget::channelCopy, this,
                &ModuleWidget::outLimiterWidgetChannelCopy);
        connect(limiter, &LimiterWidget::channelReset, this,
                &ModuleWidget::outLimiterWidgetChannelReset);
        connect(limiter, &LimiterWidget::dataChanged, this,
                &ModuleWidget::outLimiterWidgetDataChanged);
    }
    return limiter;
}

void ModuleWidget::forEachDynamicsEditor(const std::function<void(DynamicsEditor *)> &visit) const
{
    DynamicsEditor *const editors[] = {m_agc, m_inLimiter, m_outLimiter};
    for (DynamicsEditor *editor : editors) {
        if (editor)
            visit(editor);
    }
}

int ModuleWidget::selectedChannel(int page) const
{
    if (const auto *editor = qobject_cast<const DynamicsEditor *>(m_pages[size_t(page)]))
        return editor->channel();
    return 0;
}

void ModuleWidget::refreshDynamics(DynamicsEditor *editor, uchar channel)
{
    if (editor && (channel == AllChannelsIndex || channel == editor->channel()))
        editor->refresh();
}

void ModuleWidget::inLimiterWidgetChannelChanged(int channel)
{
    m_model->setCurrentChannel(quint8(channel));
    if (m_inLimiter)
        m_inLimiter->loadChannel(channel);
}

void ModuleWidget::outLimiterWidgetChannelChanged(int channel)
{
    m_model->setCurrentChannel(quint8(channel));
    if (m_outLimiter)
        m_outLimiter->loadChannel(channel);
}

void ModuleWidget::inLimiterWidgetChannelCopy(int channel, quint32 inputMask, quint32 outputMask)
{
    limiterChannelCopy(true, channel, inputMask, outputMask);
}

void ModuleWidget::outLimiterWidgetChannelCopy(int channel, quint32 inputMask, quint32 outputMask)
{
    limiterChannelCopy(false, channel, inputMask, outputMask);
}

void ModuleWidget::inLimiterWidgetChannelReset(int channel)
{
    limiterChannelReset(true, channel);
}

void ModuleWidget::outLimiterWidgetChannelReset(int channel)
{
    limiterChannelReset(false, channel);
}

void ModuleWidget::inLimiterWidgetDataChanged(int channel, const LimiterParams *limiter)
{
    if (limiter)
        limiterDataChanged(true, channel, *limiter);
}

void ModuleWidget::outLimiterWidgetDataChanged(int channel, const LimiterParams *limiter)
{
    if (limiter)
        limiterDataChanged(false, channel, *limiter);
}

void ModuleWidget::inLimiterWidgetGainChanged(int channel, float gain)
{
    if (channel < 0 || channel >= LimiterWidget::InputChannels)
        return;
    float &stored = m_model->input(channel).limiterGain;
    if (stored == gain)
        return;
    stored = gain;
    m_model->queueWrite(Msg::InLimiterGain, quint8(channel), 255,
                        SetPayload::channelFloat(quint8(channel), gain));
}

void ModuleWidget::limiterDataChanged(bool inputs, int channel, const LimiterParams &limiter)
{
    const int count = inputs ? LimiterWidget::InputChannels : LimiterWidget::OutputChannels;
    if (channel < 0 || channel >= count)
        return;
    LimiterParams &stored =
            inputs ? m_model->input(channel).limiter : m_model->output(channel).limiter;
    if (stored == limiter)
        return;
    stored = limiter;
    m_model->queueWrite(inputs ? Msg::InLimiter : Msg::OutLimiter, quint8(channel), 255,
                        SetPayload::limiter(quint8(channel), limiter));
}

void ModuleWidget::limiterChannelCopy(bool inputs, int channel, quint32 inputMask,
                                      quint32 outputMask)
{
    const int count = inputs ? LimiterWidget::InputChannels : LimiterWidget::OutputChannels;
    if (channel < 0 || channel >= count)
        return;
    const LimiterParams limiter =
            inputs ? m_model->input(channel).limiter : m_model->output(channel).limiter;
    // The device copies what it has: a change of the source still waiting in the throttle goes
    // first, or the targets would get the old values.
    const MessageId record = inputs ? Msg::InLimiter : Msg::OutLimiter;
    if (writePending(*m_model, record, channel))
        m_model->sendWrite(record, SetPayload::limiter(quint8(channel), limiter));
    if (inputs && writePending(*m_model, Msg::InLimiterGain, channel))
        m_model->sendWrite(
                Msg::InLimiterGain,
                SetPayload::channelFloat(quint8(channel), m_model->input(channel).limiterGain));
    // Only the inputs' limiters have a gain; an output's copy leaves the inputs' gains alone.
    const float gain = m_model->input(channel).limiterGain;
    for (int ch = 0; ch < LimiterWidget::InputChannels; ++ch) {
        if (!(inputMask & (1u << ch)))
            continue;
        m_model->input(ch).limiter = limiter;
        if (inputs)
            m_model->input(ch).limiterGain = gain;
    }
    for (int ch = 0; ch < LimiterWidget::OutputChannels; ++ch) {
        if (outputMask & (1u << ch))
            m_model->output(ch).limiter = limiter;
    }
    refreshDynamics(m_inLimiter, AllChannelsIndex);
    refreshDynamics(m_outLimiter, AllChannelsIndex);
    m_model->sendWrite(inputs ? Msg::InLimiterCopy : Msg::OutLimiterCopy,
                       ByteWriter(9)
                               .u8(quint8(channel))
                               .bytes(SetPayload::channelCopy(inputMask, outputMask,
                                                              wideCopyMasks(*m_model))));
}

void ModuleWidget::limiterChannelReset(bool inputs, int channel)
{
    const int count = inputs ? LimiterWidget::InputChannels : LimiterWidget::OutputChannels;
    if (channel < 0 || channel >= count)
        return;
    const QByteArray payload = ByteWriter(1).u8(quint8(channel));
    // A change still waiting in the throttle would undo the reset when it goes: it carries the
    // start values instead.
    const MessageId record = inputs ? Msg::InLimiter : Msg::OutLimiter;
    if (writePending(*m_model, record, channel))
        m_model->queueWrite(record, quint8(channel), 255,
                            SetPayload::limiter(quint8(channel), LimiterParams()));
    if (inputs) {
        m_model->input(channel).limiter = LimiterParams();
        m_model->input(channel).limiterGain = 0.0f;
        refreshDynamics(m_inLimiter, quint8(channel));
        m_model->sendWrite(Msg::InLimiterReset, payload);
        m_model->queueWrite(Msg::InLimiterGain, quint8(channel), 255,
                            SetPayload::channelFloat(quint8(channel), 0.0f));
    } else {
        m_model->output(channel).limiter = LimiterParams();
        refreshDynamics(m_outLimiter, quint8(channel));
        m_model->sendWrite(Msg::OutLimiterReset, payload);
    }
}
