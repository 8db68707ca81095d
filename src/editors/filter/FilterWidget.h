#pragma once

#include "model/records/HlpfFilter.h"
#include "model/records/PeqFilter.h"

#include <QWidget>

#include <array>

class DataModel;
struct DeviceInfo;
class FilterGraph;
class Knob;
class LineEdit;
class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Edits one channel's filter block: high-pass, low-pass and eight PEQ bands, with the response
// graph. It shows the parameter mirror and reports every edit as a record built from its
// controls; the navigator stores it and sends it. Loading a channel never reports anything.
class FilterWidget : public QWidget
{
    Q_OBJECT

public:
    enum Side { Inputs, Outputs };
    static constexpr int InputChannels = 17;
    static constexpr int OutputChannels = 16;

    FilterWidget(DataModel *model, Side side, QWidget *parent = nullptr);

    Side side() const { return m_side; }
    int channelCount() const { return m_side == Inputs ? InputChannels : OutputChannels; }
    int channel() const { return m_channel; }
    int currentBand() const { return m_currentBand; }
    FilterGraph *graph() const { return m_graph; }

    // The mirror's filter records of a channel of this side.
    HlpfFilter &highPassRecord(int channel) const;
    HlpfFilter &lowPassRecord(int channel) const;
    PeqFilter &bandRecord(int channel, int band) const;

    // Shows a channel (selecting its button) and loads everything from the mirror.
    void loadChannel(int channel);
    // Loads parts of the shown channel from the mirror: controls and graph, no signal.
    void loadHighPass();
    void loadLowPass();
    void loadBand(int band);
    void loadAll();
    void refreshLabels();
    // The channels the configuration leaves out (set bit = channel 8 + bit is absent).
    void applyChannelConfig(quint32 inputMask, quint32 outputMask);
    bool isChannelPresent(int channel) const;
    // Copy requests carry the masks' high halves only for the 5.x DSP firmware; otherwise
    // input 17 (USB playback) cannot be a copy target.
    static bool wideCopyMasks(const DeviceInfo &device);
    // "Copy To" and "Reset" need firmware that knows the filter copy and reset requests.
    void setCopyAndResetAvailable(bool available);

signals:
    void channelChanged(int channel);
    void channelCopy(int channel, quint32 inputMask, quint32 outputMask);
    void channelReset(int channel);
    void hpfChanged(int channel, HlpfFilter *filter);
    void lpfChanged(int channel, HlpfFilter *filter);
    void peqAllEnabled(int channel, bool enabled);
    void peqBandChanged(int channel, int band);
    void peqChanged(int channel, int band, PeqFilter *filter);

public slots:
    void filterGraphHPFFreqChanged(float freq);
    void filterGraphLPFFreqChanged(float freq);
    void filterGraphPEQChanged(uchar band, float freq, float gain);
    void filterGraphCurrentBandChanged(uchar band);
    void channelButtonGroupButtonClicked(int channel);
    void copyToButtonClicked();
    void resetButtonClicked();
    void hpfEnabledButtonClicked(bool on);
    void hpfTypeButtonGroupButtonClicked(int type);
    void hpfSlopeButtonGroupButtonClicked(int slope);
    void hpfFreqEditEditingFinished();
    void hpfFreqKnobValueChanged(int position);
    void peqAllEnabledButtonClicked(bool on);
    void peqBandButtonGroupButtonClicked(int band);
    void peqEnabledButtonClicked(bool on);
    void peqTypeButtonGroupButtonClicked(int type);
    void peqFreqEditEditingFinished();
    void peqFreqKnobValueChanged(int position);
    void peqGainEditEditingFinished();
    void peqGainKnobValueChanged(int value);
    void peqQKnobValueChanged(int index);
    void lpfEnabledButtonClicked(bool on);
    void lpfTypeButtonGroupButtonClicked(int type);
    void lpfSlopeButtonGroupButtonClicked(int slope);
    void lpfFreqEditEditingFinished();
    void lpfFreqKnobValueChanged(int position);

public:
    // Texts of the edits: a frequency with one decimal only when its tenth is not zero, a gain
    // with one decimal, a Q with two.
    static QString frequencyText(float hz);
    static QString gainText(float db);
    static QString qText(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    struct PassControls
    {
        QGroupBox *box = nullptr;
        QPushButton *enabled = nullptr;
        QLabel *typeCaption = nullptr;
        QButtonGroup *types = nullptr;
        std::array<QPushButton *, 3> typeButtons {};
        QLabel *slopeCaption = nullptr;
        QButtonGroup *slopes = nullptr;
        QLabel *freqCaption = nullptr;
        Knob *freqKnob = nullptr;
        LineEdit *freqEdit = nullptr;
    };
    using PassSlot = void (FilterWidget::*)();

    QWidget *buildPass(PassControls &c, const char *role);
    QWidget *buildPeq();
    QWidget *knobColumn(QLabel *&caption, Knob *&knob, LineEdit *&edit, QWidget *parent,
                        const char *role);
    void retranslate();
    void showPass(PassControls &c, const HlpfFilter &filter);
    HlpfFilter passFromControls(const PassControls &c) const;
    PeqFilter bandFromControls() const;
    void emitHighPass();
    void emitLowPass();
    void emitBand();
    // A typed frequency: limited, rounded to 0.1 Hz, shown again with its knob position; the
    // old text comes back when the text is not a number. True when it took a value.
    bool takeFrequency(LineEdit *edit, Knob *knob, PassSlot slot, float old);
    void showFrequency(LineEdit *edit, Knob *knob, float hz);
    void settle(LineEdit *edit, PassSlot slot, const QString &text);
    QString channelName(int channel, Side side) const;
    void setChannelButtonTexts();

    DataModel *m_model;
    Side m_side;
    int m_channel = 0;
    int m_currentBand = 0;
    quint32 m_inputMask = 0;
    quint32 m_outputMask = 0;

    QButtonGroup *m_channelButtons = nullptr;
    QPushButton *m_copyButton = nullptr;
    QPushButton *m_resetButton = nullptr;
    FilterGraph *m_graph = nullptr;
    PassControls m_hpf;
    PassControls m_lpf;

    QGroupBox *m_peqBox = nullptr;
    QPushButton *m_allEnabled = nullptr;
    QLabel *m_bandCaption = nullptr;
    QButtonGroup *m_bands = nullptr;
    QPushButton *m_peqEnabled = nullptr;
    QLabel *m_peqTypeCaption = nullptr;
    QButtonGroup *m_peqTypes = nullptr;
    std::array<QPushButton *, 3> m_peqTypeButtons {};
    QLabel *m_peqFreqCaption = nullptr;
    Knob *m_peqFreqKnob = nullptr;
    LineEdit *m_peqFreqEdit = nullptr;
    QLabel *m_gainCaption = nullptr;
    Knob *m_gainKnob = nullptr;
    LineEdit *m_gainEdit = nullptr;
    QLabel *m_qCaption = nullptr;
    Knob *m_qKnob = nullptr;
    LineEdit *m_qEdit = nullptr;
};
