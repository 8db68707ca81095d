#pragma once

#include "FirmwareVersion.h"
#include "model/records/LimiterParams.h"
#include "model/records/HlpfFilter.h"
#include "model/records/PeqFilter.h"
#include "settings/SystemSettings.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class AGCWidget;
class AutoMixerWidget;
class CancellationPage;
class ChannelStripWidget;
class DataModel;
class DelayWidget;
class DynamicsEditor;
class FeedbackWidget;
class FilterWidget;
class GateWidget;
class InSetupWidget;
class LevelWidget;
class LimiterWidget;
class MatrixWidget;
class ModuleButtonBar;
class QAbstractButton;
class QButtonGroup;
class QStackedWidget;
class SignalGeneratorWidget;

// The processing chain of the device: a row of page buttons, one per module in signal order,
// over the stack of module editors. The page on screen (and, on pages with a channel selector,
// the selected channel) tells the status poll what to read. This is the one place where the
// editors' signals become requests to the device; the strip editors of input setup, gate and
// feedback send their own.
//
// The main window routes the device model's change notifications here through syncFromModel,
// and hands over the channel masks of the configuration through applyChannelConfig.
class ModuleWidget : public QWidget
{
    Q_OBJECT

public:
    enum Page {
        InSetupPage = 0,
        GatePage = 1,
        AgcPage = 2,
        FeedbackPage = 3,
        InFilterPage = 4,
        InLimiterPage = 5,
        InDelayPage = 6,
        AncPage = 7,
        AecPage = 8,
        LevelPreMixPage = 9,
        MatrixPage = 10,
        AutoMixerPage = 11,
        SignalGeneratorPage = 12,
        OutLevelPage = 13,
        OutFilterPage = 14,
        OutLimiterPage = 15,
        OutDelayPage = 16,
        PageCount = 17
    };

    // buildProgress hears the share of start-up progress (55 to 95) the area reaches while built.
    explicit ModuleWidget(DataModel *model, QWidget *parent = nullptr,
                          const std::function<void(int)> &buildProgress = {});

    // A change of the mirror, as DataModel::tcpSyncToUI announces it (type 3, and the labels,
    // Dante state and DSP version of type 2): the editors concerned re-read the mirror.
    void syncFromModel(uchar type, uchar subType, uchar funcId, uchar channel, uchar other);

    // The channels the configuration leaves out (set bits) and the Dante channels.
    void applyChannelConfig(quint32 inputMask, quint32 outputMask, quint32 danteInputMask,
                            quint32 danteOutputMask);

    int currentPage() const;
    // The editor of a page, built on first use (a page's editor is built when it is first
    // shown, or asked for here).
    QWidget *page(int index);
    bool isPageBuilt(int index) const;
    QAbstractButton *pageButton(int index) const;
    static bool hasChannelSelector(int page);
    FirmwareFeatures firmwareFeatures() const { return m_features; }

    InSetupWidget *inSetupWidget();
    GateWidget *gateWidget();
    FeedbackWidget *feedbackWidget();
    DelayWidget *inDelayWidget();
    DelayWidget *outDelayWidget();
    LevelWidget *preLevelWidget();
    LevelWidget *outLevelWidget();
    AGCWidget *agcWidget();
    LimiterWidget *inLimiterWidget();
    LimiterWidget *outLimiterWidget();
    FilterWidget *inFilterWidget();
    FilterWidget *outFilterWidget();
    MatrixWidget *matrixWidget();
    AutoMixerWidget *autoMixerWidget();
    SignalGeneratorWidget *signalGeneratorWidget();
    CancellationPage *aecPage();
    CancellationPage *ancPage();

public slots:
    void stackedButtonClicked(int page);
    void updateInSetupSwitchToUSB();

    void inDelayWidgetDataChanged(int channel, float ms);
    void preLevelWidgetGroupChanged(int channel, int group);
    void preLevelWidgetInvertChanged(int channel, bool invert);
    void preLevelWidgetMuteChanged(int channel, bool mute);
    void preLevelWidgetGainChanged(int channel, float gain);
    void preLevelWidgetPriorityChanged(int channel, bool priority);
    void outLevelWidgetGroupChanged(int channel, int group);
    void outLevelWidgetInvertChanged(int channel, bool invert);
    void outLevelWidgetMuteChanged(int channel, bool mute);
    void outLevelWidgetGainChanged(int channel, float gain);
    void outDelayWidgetDataChanged(int channel, float ms);

    void inLimiterWidgetChannelChanged(int channel);
    void inLimiterWidgetChannelCopy(int channel, quint32 inputMask, quint32 outputMask);
    void inLimiterWidgetChannelReset(int channel);
    void inLimiterWidgetDataChanged(int channel, const LimiterParams *limiter);
    void inLimiterWidgetGainChanged(int channel, float gain);
    void outLimiterWidgetChannelChanged(int channel);
    void outLimiterWidgetChannelCopy(int channel, quint32 inputMask, quint32 outputMask);
    void outLimiterWidgetChannelReset(int channel);
    void outLimiterWidgetDataChanged(int channel, const LimiterParams *limiter);
    void inFilterWidgetChannelChanged(int channel);
    void inFilterWidgetChannelCopy(int channel, quint32 inputMask, quint32 outputMask);
    void inFilterWidgetChannelReset(int channel);
    void inFilterWidgetHPFChanged(int channel, HlpfFilter *filter);
    void inFilterWidgetLPFChanged(int channel, HlpfFilter *filter);
    void inFilterWidgetPEQAllEnabled(int channel, bool enabled);
    void inFilterWidgetPEQBandChanged(int channel, int band);
    void inFilterWidgetPEQChanged(int channel, int band, PeqFilter *filter);
    void outFilterWidgetChannelChanged(int channel);
    void outFilterWidgetChannelCopy(int channel, quint32 inputMask, quint32 outputMask);
    void outFilterWidgetChannelReset(int channel);
    void outFilterWidgetHPFChanged(int channel, HlpfFilter *filter);
    void outFilterWidgetLPFChanged(int channel, HlpfFilter *filter);
    void outFilterWidgetPEQAllEnabled(int channel, bool enabled);
    void outFilterWidgetPEQBandChanged(int channel, int band);
    void outFilterWidgetPEQChanged(int channel, int band, PeqFilter *filter);

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *createPage(int index);
    // The editor of a page, once page() has built it.
    template<typename Editor> Editor *built(int index, Editor *const &editor)
    {
        page(index);
        return editor;
    }
    static QString pageTitle(int index);
    void retranslate();
    static void refreshChannel(ChannelStripWidget *strip, int channel);
    static void refreshMeters(LevelWidget *strip);
    void syncAudio(uchar subType, uchar funcId, uchar channel, uchar other);
    // The matrix, automixer, cancellation and generator pages.
    bool syncRouting(uchar subType, uchar funcId, uchar channel, uchar other);
    void applyRoutingConfig();
    void refreshRoutingLabels();
    void syncSystem(uchar subType, uchar funcId, uchar channel);
    // The editors of one side (inputs or outputs) that show channel names.
    void forEachStrip(const std::function<void(ChannelStripWidget *)> &visit) const;
    void evaluateFirmware();
    // The editors that show one channel at a time (built ones only), and the channel of a page.
    void forEachDynamicsEditor(const std::function<void(DynamicsEditor *)> &visit) const;
    int selectedChannel(int page) const;
    static void refreshDynamics(DynamicsEditor *editor, uchar channel);
    // Limiters, inputs or outputs alike: the navigator's half of the limiter editors.
    LimiterWidget *connectLimiter(LimiterWidget *limiter);
    void limiterChannelCopy(bool inputs, int channel, quint32 inputMask, quint32 outputMask);
    void limiterChannelReset(bool inputs, int channel);
    void limiterDataChanged(bool inputs, int channel, const LimiterParams &limiter);
    // The filter pages: one editor per side, its requests with the side's message identities.
    FilterWidget *createFilterPage(bool inputs);
    void filterChannelChanged(FilterWidget *editor, int channel);
    void filterChannelCopy(FilterWidget *editor, int channel, quint32 inputMask,
                           quint32 outputMask);
    void filterChannelReset(FilterWidget *editor, int channel);
    void filterPassChanged(FilterWidget *editor, bool highPass, int channel,
                           const HlpfFilter *filter);
    void filterAllEnabled(FilterWidget *editor, int channel, bool enabled);
    void filterBandChanged(FilterWidget *editor, int channel, int band, const PeqFilter *filter);
    void reloadFilter(FilterWidget *editor, int channel);

    DataModel *m_model;
    ModuleButtonBar *m_buttonBar;
    QButtonGroup *m_buttons;
    QStackedWidget *m_stack;
    std::array<QWidget *, PageCount> m_pages {};

    InSetupWidget *m_inSetup = nullptr;
    GateWidget *m_gate = nullptr;
    FeedbackWidget *m_feedback = nullptr;
    DelayWidget *m_inDelay = nullptr;
    LevelWidget *m_preLevel = nullptr;
    LevelWidget *m_outLevel = nullptr;
    DelayWidget *m_outDelay = nullptr;
    AGCWidget *m_agc = nullptr;
    LimiterWidget *m_inLimiter = nullptr;
    LimiterWidget *m_outLimiter = nullptr;
    FilterWidget *m_inFilter = nullptr;
    FilterWidget *m_outFilter = nullptr;
    MatrixWidget *m_matrix = nullptr;
    AutoMixerWidget *m_autoMixer = nullptr;
    SignalGeneratorWidget *m_signalGenerator = nullptr;
    CancellationPage *m_aec = nullptr;
    CancellationPage *m_anc = nullptr;

    FirmwareFeatures m_features;
    // The channel configuration last handed over, for the pages built after it.
    std::optional<SystemSettings::ChannelMasks> m_channelConfig;
};
