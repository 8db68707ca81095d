#pragma once

#include "DynamicsEditor.h"

#include "model/records/AgcParams.h"

class AGCGraph;
class DynamicsControl;

// The automatic gain control of one input at a time ("AGC" page): threshold, target, ratio,
// attack and decay over the transfer graph. It stores each change in the mirror and sends it
// itself.
class AGCWidget : public DynamicsEditor
{
    Q_OBJECT

public:
    static constexpr int Channels = 16;

    explicit AGCWidget(DataModel *model, QWidget *parent = nullptr);

    AGCGraph *graph() const { return m_graph; }
    DynamicsControl *thresholdControl() const { return m_threshold; }
    DynamicsControl *targetControl() const { return m_target; }
    DynamicsControl *ratioControl() const { return m_ratio; }
    DynamicsControl *attackControl() const { return m_attack; }
    DynamicsControl *decayControl() const { return m_decay; }

signals:
    void channelChanged(int channel);

public slots:
    void channelButtonGroupButtonClicked(int channel);
    void copyToButtonClicked();
    void resetButtonClicked();
    void enabledButtonClicked(bool on);
    void thresholdEditEditingFinished();
    void thresholdKnobValueChanged(int value);
    void targetEditEditingFinished();
    void targetKnobValueChanged(int value);
    void ratioEditEditingFinished();
    void ratioKnobValueChanged(int value);
    void attackEditEditingFinished();
    void attackKnobValueChanged(int value);
    void decayEditEditingFinished();
    void decayKnobValueChanged(int value);

protected:
    void showChannel() override;
    void retranslate() override;

private:
    AgcParams &agc() const;
    void change(float AgcParams::*field, double value);
    // Stores a changed record and sends it, throttled per channel.
    void store(const AgcParams &agc);
    void showGraph(const AgcParams &agc);

    AGCGraph *m_graph;
    DynamicsControl *m_threshold;
    DynamicsControl *m_target;
    DynamicsControl *m_ratio;
    DynamicsControl *m_attack;
    DynamicsControl *m_decay;
};
