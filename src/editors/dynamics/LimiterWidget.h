#pragma once

#include "DynamicsEditor.h"

#include "model/DataModel.h"

class DynamicsControl;
class LimiterGraph;

// The limiter of one channel at a time ("In Limiter" and "Out Limiter" pages): threshold,
// ratio, attack, decay and, for inputs, the make-up gain, over the transfer graph. It reports
// what the user changed; the navigator stores it and sends it.
class LimiterWidget : public DynamicsEditor
{
    Q_OBJECT

public:
    static constexpr int InputChannels = 17;
    static constexpr int OutputChannels = 16;

    LimiterWidget(DataModel *model, Side side, QWidget *parent = nullptr);

    LimiterGraph *graph() const { return m_graph; }
    DynamicsControl *thresholdControl() const { return m_threshold; }
    DynamicsControl *ratioControl() const { return m_ratio; }
    DynamicsControl *attackControl() const { return m_attack; }
    DynamicsControl *decayControl() const { return m_decay; }
    DynamicsControl *gainControl() const { return m_gain; }

signals:
    void channelChanged(int channel);
    void channelCopy(int channel, quint32 inputMask, quint32 outputMask);
    void channelReset(int channel);
    void dataChanged(int channel, const DataModel::Limiter *limiter);
    void gainChanged(int channel, float gain);

public slots:
    void channelButtonGroupButtonClicked(int channel);
    void copyToButtonClicked();
    void resetButtonClicked();
    void enabledButtonClicked(bool on);
    void thresholdEditEditingFinished();
    void thresholdKnobValueChanged(int value);
    void ratioEditEditingFinished();
    void ratioKnobValueChanged(int value);
    void attackEditEditingFinished();
    void attackKnobValueChanged(int value);
    void decayEditEditingFinished();
    void decayKnobValueChanged(int value);
    void gainEditEditingFinished();
    void gainKnobValueChanged(int value);

protected:
    void showChannel() override;
    void retranslate() override;

private:
    const DataModel::Limiter &limiter() const;
    float gain() const;
    // The channel's record with one value changed: shown on the graph and reported.
    void change(float DataModel::Limiter::*field, double value);
    void report(const DataModel::Limiter &limiter);
    void showGraph(const DataModel::Limiter &limiter);

    LimiterGraph *m_graph;
    DynamicsControl *m_threshold;
    DynamicsControl *m_ratio;
    DynamicsControl *m_attack;
    DynamicsControl *m_decay;
    DynamicsControl *m_gain;
};
