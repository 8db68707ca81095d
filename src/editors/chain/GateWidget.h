#pragma once

#include "ChannelStripWidget.h"

#include <vector>

class Knob;
class LineEdit;
class QLabel;
class QPushButton;
struct GateParams;

// The "Gate" page: the noise gate of every input with its open/closed indicator, "Enabled" and
// the threshold, attack and decay (release) knobs with their edits. Every change stores the
// channel's gate record and sends it whole.
class GateWidget : public ChannelStripWidget
{
    Q_OBJECT

public:
    static constexpr int Channels = 17;

    explicit GateWidget(DataModel *model, QWidget *parent = nullptr);

public slots:
    void enabledButtonClicked(bool on);
    void thresholdKnobValueChanged(int value);
    void thresholdEditEditingFinished();
    void attackKnobValueChanged(int value);
    void attackEditEditingFinished();
    void decayKnobValueChanged(int value);
    void decayEditEditingFinished();

protected:
    void buildChannel(int channel, QVBoxLayout *column) override;
    void showChannel(int channel) override;
    void retranslate() override;

private:
    enum Parameter { Threshold, Attack, Decay, ParameterCount };

    struct Controls
    {
        QLabel *indicator = nullptr;
        QPushButton *enabledButton = nullptr;
        QLabel *captions[ParameterCount] {};
        Knob *knobs[ParameterCount] {};
        LineEdit *edits[ParameterCount] {};
    };

    static float &field(GateParams &gate, Parameter parameter);
    // A knob turned: stored and sent through the throttle (a drag sends its latest value).
    void knobChanged(Parameter parameter, int value);
    // An edit finished: a number is limited to the knob's range, stored and sent at once; any
    // other text puts the stored value back.
    void editFinished(Parameter parameter, void (GateWidget::*slot)());

    std::vector<Controls> m_controls;
};
